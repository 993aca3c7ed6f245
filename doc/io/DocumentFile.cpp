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
#include <random>
#include <vector>

#include "doc/CRodeDoc.h"
#include "doc/DocumentCodec.h"
#include "doc/io/FileError.h"

namespace {

constexpr const char* kFailedToOpen = "Failed to open document.";
constexpr const char* kFailedToSave = "Failed to save document.";
constexpr const char* kDefaultSuffix = "DID";

// Closes the descriptor it holds; -1 holds nothing.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    void Reset(int fd) {
        Close();
        m_fd = fd;
    }
    int Get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    // The error of close() matters after writing: it can be the first report of a full disk.
    int Close() {
        int error = 0;
        if (m_fd >= 0 && ::close(m_fd) != 0) {
            error = errno;
        }
        m_fd = -1;
        return error;
    }

private:
    int m_fd;
};

QString AbsolutePath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// A missing folder is a bad path rather than a missing file, as the user sees it.
FileErrorCause CauseFor(int error, const QString& path) {
    if (error == ENOENT && !QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        return FileErrorCause::BadPath;
    }
    return CauseFromErrno(error);
}

QString ErrorMessage(int error, const QString& path) {
    return FileErrorMessage(CauseFor(error, path), path);
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

int WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += static_cast<std::size_t>(put);
    }
    return 0;
}

// Creates a fresh file in `folder` that no one else has open. The name starts with a dot so
// that file dialogs do not show it while the save runs. Mode 0666 lets the umask decide.
int CreateTemporary(const QString& folder, QString& tempPath, Descriptor& fd) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QString name = QStringLiteral(".zuvaduro-save-%1%2")
                                 .arg(entropy(), 8, 16, QLatin1Char('0'))
                                 .arg(entropy(), 8, 16, QLatin1Char('0'));
        tempPath = folder + QLatin1Char('/') + name;
        const int created =
            ::open(Native(tempPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created >= 0) {
            fd.Reset(created);
            return 0;
        }
        if (errno != EEXIST) {
            return errno;
        }
    }
    return EEXIST;
}

struct Target {
    QString path;  // where the bytes go: a symbolic link is followed to its file
    bool exists = false;
    mode_t mode = 0;
};

// Checks what a save would replace. Returns 0 or the errno that stops the save.
int InspectTarget(const QString& absolute, Target& target) {
    const QString linked = QFileInfo(absolute).canonicalFilePath();
    target.path = linked.isEmpty() ? absolute : linked;
    struct stat info {};
    if (::stat(Native(target.path).constData(), &info) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    target.exists = true;
    target.mode = info.st_mode & 0777;
    if (S_ISDIR(info.st_mode)) {
        return EISDIR;
    }
    // Replacing a device or a pipe with a plain file is never what the user meant; a file
    // without any write permission is read-only, even for a user who could override it.
    if (!S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0) {
        return EACCES;
    }
    return 0;
}

// Writes `bytes` to a temporary file beside the target and renames it over the target once
// everything is on disk. Returns 0 or the errno and leaves the old file and no temporary.
int ReplaceFile(const QString& absolute, const std::vector<std::uint8_t>& bytes) {
    Target target;
    if (int error = InspectTarget(absolute, target)) {
        return error;
    }
    // Refuse while someone is reading the old file (readers hold a shared lock).
    Descriptor lock;
    if (target.exists) {
        lock.Reset(::open(Native(target.path).constData(), O_RDONLY | O_CLOEXEC));
        if (lock && ::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) {
            return errno;
        }
    }
    QString tempPath;
    Descriptor temp;
    if (int error = CreateTemporary(QFileInfo(target.path).absolutePath(), tempPath, temp)) {
        return error;
    }
    const QByteArray nativeTemp = Native(tempPath);
    if (target.exists) {
        ::fchmod(temp.Get(), target.mode);  // best effort: some file systems keep no modes
    }
    int error = WriteAll(temp.Get(), bytes);
    if (!error && ::fsync(temp.Get()) != 0) {
        error = errno;
    }
    const int closeError = temp.Close();
    if (!error) {
        error = closeError;
    }
    if (!error && ::rename(nativeTemp.constData(), Native(target.path).constData()) != 0) {
        error = errno;
    }
    if (error) {
        ::unlink(nativeTemp.constData());
        return error;
    }
    // Make the rename itself durable; a failure here no longer endangers either file.
    Descriptor folder(::open(Native(QFileInfo(target.path).absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder) {
        ::fsync(folder.Get());
    }
    return 0;
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
    if (int error = ReplaceFile(absolute, bytes)) {
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
