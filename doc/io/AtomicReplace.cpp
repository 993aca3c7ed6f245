#include "doc/io/AtomicReplace.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdint>
#include <random>

#include "doc/io/Descriptor.h"

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

int WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd, data + done, size - done);
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
}  // namespace

int ReplaceFileAtomically(const QString& absolute, const void* data, std::size_t size) {
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
    int error = WriteAll(temp.Get(), static_cast<const std::uint8_t*>(data), size);
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
