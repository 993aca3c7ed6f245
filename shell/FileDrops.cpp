#include "shell/FileDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    return paths;
}

}  // namespace

FileDrops::FileDrops(QWidget& target, std::function<bool()> busy,
                     std::function<bool(const QString& path)> open)
    : QObject(&target), m_target(target), m_busy(std::move(busy)), m_open(std::move(open)) {
    m_target.setAcceptDrops(true);
    m_target.installEventFilter(this);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != &m_target ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);  // DragEnter and DragMove are drops too
    const QStringList paths = localFiles(drop->mimeData());
    if (paths.isEmpty() || m_busy()) {
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        dropFiles(paths);
    }
    return true;
}

void FileDrops::dropFiles(const QStringList& paths) {
    m_target.raise();
    m_target.activateWindow();
    for (const QString& path : paths) {
        if (!m_open(path)) {
            break;
        }
    }
}
