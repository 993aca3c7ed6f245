#include "storage/ExportFile.h"

#include "storage/AtomicReplace.h"
#include "storage/FileError.h"
#include "storage/FileIdentity.h"
#include "storage/KernelPath.h"

namespace {

QString openDocumentMessage(const QString& target) {
    return QStringLiteral("%1 is the open document. Choose another file to write.").arg(target);
}

}  // namespace

QString refuseOpenDocument(const QString& path, const QString& openDocument) {
    const QString target = absolutePathAsGiven(path);
    if (!openDocument.isEmpty() && isSameFile(target, openDocument)) {
        return openDocumentMessage(target);
    }
    return {};
}

QString writeExportFile(const QString& path, const QByteArray& bytes, const QString& openDocument) {
    if (QString refused = refuseOpenDocument(path, openDocument); !refused.isEmpty()) {
        return refused;
    }
    // Checked again on the very file the replace finds: a link changed since cannot redirect it.
    const QString target = absolutePathAsGiven(path);
    const std::optional<FileIdentity> document =
        openDocument.isEmpty() ? std::nullopt : fileIdentity(openDocument);
    const int error = replaceFileAtomically(target, bytes.constData(),
                                            static_cast<std::size_t>(bytes.size()), document);
    if (error == kTargetIsKeptFile) {
        return openDocumentMessage(target);
    }
    if (error != 0) {
        return fileErrorMessageFor(error, target);
    }
    return {};
}
