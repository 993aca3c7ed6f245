#include "storage/ExportFile.h"

#include <QDir>
#include <QFileInfo>

#include "storage/AtomicReplace.h"
#include "storage/FileError.h"
#include "storage/FileIdentity.h"

namespace {

QString absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

QString refuseOpenDocument(const QString& path, const QString& openDocument) {
    const QString target = absolute(path);
    if (!openDocument.isEmpty() && isSameFile(target, openDocument)) {
        return QStringLiteral("%1 is the open document. Choose another file to write.").arg(target);
    }
    return {};
}

QString writeExportFile(const QString& path, const QByteArray& bytes, const QString& openDocument) {
    if (QString refused = refuseOpenDocument(path, openDocument); !refused.isEmpty()) {
        return refused;
    }
    const QString target = absolute(path);
    if (const int error = replaceFileAtomically(target, bytes.constData(),
                                                static_cast<std::size_t>(bytes.size()))) {
        return fileErrorMessageFor(error, target);
    }
    return {};
}
