#include "shell/OpenProgress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <thread>

#include "storage/DocumentFile.h"

namespace {

constexpr int kDialogDelayMs = 500;
constexpr int kUpdateMs = 100;
constexpr int kSteps = 1000;  // the bar counts in tenths of a percent of the file's size

}  // namespace

bool readWithProgress(DocumentOpening& opening, QWidget* parent) {
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
    std::atomic<std::int64_t> bytesRead{0};
    QEventLoop loop;
    std::thread reader([&] {
        opening.readBytes(cancel, bytesRead);
        finished = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });

    // Paints and timers go on; clicks and keys wait, as they would for any busy command.
    QTimer::singleShot(kDialogDelayMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!finished) {
        QProgressDialog progress(parent);
        progress.setWindowTitle(QStringLiteral("Zuvaduro"));
        // A file's name is shown as it is, never taken for markup.
        auto* label = new QLabel(&progress);
        label->setTextFormat(Qt::PlainText);
        label->setText(QCoreApplication::translate("OpenProgress", "Opening %1...")
                           .arg(QFileInfo(opening.absolutePath()).fileName()));
        progress.setLabel(label);
        progress.setAccessibleName(label->text());
        if (auto* bar = progress.findChild<QProgressBar*>()) {
            bar->setAccessibleName(
                QCoreApplication::translate("OpenProgress", "Share of the file read"));
        }
        progress.setCancelButtonText(QCoreApplication::translate("OpenProgress", "Cancel"));
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        progress.setMinimumDuration(0);
        const std::int64_t expected = opening.expectedSize();
        // A pipe or a device has no size: the bar then only shows that something happens.
        progress.setRange(0, expected > 0 ? kSteps : 0);
        QTimer update;
        QObject::connect(&update, &QTimer::timeout, &progress, [&] {
            if (expected > 0) {
                const std::int64_t done =
                    std::min(bytesRead * kSteps / expected, std::int64_t{kSteps});
                progress.setValue(static_cast<int>(done));
            }
        });
        QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] {
            cancel = true;
            loop.quit();
        });
        update.start(kUpdateMs);
        progress.show();
        if (!finished) {
            loop.exec();
        }
    }
    // Left early without the reader's word: the program is ending.
    if (!finished) {
        cancel = true;
    }
    reader.join();
    return !cancel;
}
