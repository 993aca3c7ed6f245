#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "storage/ExportFile.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Another program turns the link `out.pdf` between the open document and another file while
// exports write it. The export used to look at the link and then write through it, so a turn in
// between wrote the PDF over the document.
TEST(ExportFile, aLinkTurnedToTheDocumentDuringTheExportNeverReplacesIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString document = dir.filePath("doc.did");
    const QString out = dir.filePath("out.pdf");
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("document") == 8);
    file.close();
    ASSERT_TRUE(QFile::link("other.pdf", out));

    // Each turn makes the new link aside and renames it over `out.pdf`, which thus always exists.
    std::atomic<bool> stop{false};
    std::atomic<int> turns{0};
    std::thread turner([&] {
        const QByteArray turning = QFile::encodeName(dir.filePath("turning"));
        const QByteArray target = QFile::encodeName(out);
        for (bool toDocument = true; !stop; toDocument = !toDocument) {
            ::symlink(toDocument ? "doc.did" : "other.pdf", turning.constData());
            ::rename(turning.constData(), target.constData());
            ++turns;
        }
    });
    int refused = 0;
    int written = 0;
    constexpr int kRounds = 400;
    for (int round = 0; round < kRounds && readAll(document) == "document"; ++round) {
        const int turnsBefore = turns;
        const QString problem = writeExportFile(out, "%PDF", document);
        (problem.isEmpty() ? written : refused) += 1;
        // A busy machine may starve the turner: each round waits for a turn of its own.
        while (turns == turnsBefore) {
            std::this_thread::yield();
        }
    }
    stop = true;
    turner.join();
    EXPECT_EQ(readAll(document), "document") << "after " << written + refused << " rounds";
    EXPECT_EQ(refused + written, kRounds);
}

}  // namespace
