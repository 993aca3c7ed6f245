#include "doc/io/DocumentFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <exception>
#include <new>
#include <vector>

#include "doc/CRodeDoc.h"
#include "doc/DocumentCodec.h"
#include "doc/io/AtomicReplace.h"
#include "doc/io/Descriptor.h"
#include "doc/io/FileError.h"

namespace {

constexpr const char* kFailedToOpen = "Failed to open document.";
constexpr const char* kFailedToSave = "Failed to save document.";
constexpr const char* kDefaultSuffix = "DID";

QString AbsolutePath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString ErrorMessage(int error, const QString& path) {
    return FileErrorMessageFor(error, path);
}

bool SamePath(const CRodeDoc& doc, const QString& absolute) {
    if (doc.GetPathName().empty()) {
        return false;
    }
    const QString own = QString::fromStdString(doc.GetPathName());
    if (own == absolute) {
        return true;
    }
    const QString ownTarget = QFileInfo(own).canonicalFilePath();
    return !ownTarget.isEmpty() && ownTarget == QFileInfo(absolute).canonicalFilePath();
}

// The document after a successful open or save.
void TakePath(CRodeDoc& doc, const QString& absolute) {
    doc.SetPathName(absolute.toStdString());
    doc.SetTitle(QFileInfo(absolute).fileName().toStdString());
    doc.SetModifiedFlag(false);
}

// Reads to the end; returns 0 or the errno of the failing read.
int ReadAll(int fd, std::vector<std::uint8_t>& bytes) {
    std::uint8_t chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0) {
            return 0;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

}  // namespace

OpenResult OpenDocumentFile(CRodeDoc& doc, const QString& path) {
    const QString absolute = AbsolutePath(path);
    if (SamePath(doc, absolute)) {
        return {OpenStatus::AlreadyOpen, {}, false};
    }
    const auto fail = [&](int error) {
        return OpenResult{OpenStatus::Failed, ErrorMessage(error, absolute), false};
    };
    // Non-blocking, so that a pipe without a writer cannot hang the open.
    Descriptor file(::open(Native(absolute).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file) {
        return fail(errno);
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        return fail(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return fail(EISDIR);
    }
    if (::flock(file.Get(), LOCK_SH | LOCK_NB) != 0) {
        return fail(errno);
    }
    ::fcntl(file.Get(), F_SETFL, ::fcntl(file.Get(), F_GETFL) & ~O_NONBLOCK);

    doc.SetModifiedFlag(true);  // for the time of the load
    const auto failAfterStart = [&](QString message) {
        doc.OnNewDocument();
        return OpenResult{OpenStatus::Failed, std::move(message), true};
    };
    std::vector<std::uint8_t> bytes;
    try {
        if (int error = ReadAll(file.Get(), bytes)) {
            return failAfterStart(ErrorMessage(error, absolute));
        }
    } catch (const std::bad_alloc&) {
        return failAfterStart(QString::fromUtf8(kFailedToOpen));
    }
    file.Close();
    // A 0-byte file is taken as it is: nothing is read and the document keeps its contents.
    if (!bytes.empty()) {
        const CodecResult read = ReadDocumentBytes(doc, bytes);
        if (!read.ok) {
            return OpenResult{OpenStatus::Failed, QString::fromStdString(read.message), true};
        }
    }
    TakePath(doc, absolute);
    return {OpenStatus::Opened, {}, false};
}

SaveResult SaveDocumentFile(CRodeDoc& doc, const QString& path) {
    const QString absolute = AbsolutePath(path);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = WriteDocumentBytes(doc);
    } catch (const std::exception&) {
        return {false, QString::fromUtf8(kFailedToSave)};
    }
    if (int error = ReplaceFileAtomically(absolute, bytes.data(), bytes.size())) {
        return {false, ErrorMessage(error, absolute)};
    }
    TakePath(doc, absolute);
    return {};
}

bool SaveNeedsName(const CRodeDoc& doc) {
    if (doc.GetPathName().empty()) {
        return true;
    }
    const QFileInfo info(QString::fromStdString(doc.GetPathName()));
    constexpr auto kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.exists() || !(info.permissions() & kAnyWrite);
}

QString ProposedSaveName(const CRodeDoc& doc) {
    if (!doc.GetPathName().empty()) {
        return QString::fromStdString(doc.GetPathName());
    }
    const std::string& title = doc.GetTitle();
    const std::string stem = title.substr(0, title.find_first_of(" #%;/\\"));
    return QString::fromStdString(stem) + QLatin1Char('.') + QLatin1String(kDefaultSuffix);
}

QString WithDefaultExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    // "offers." already ends in the dot; do not double it.
    return path + (name.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")) +
           QLatin1String(kDefaultSuffix);
}
