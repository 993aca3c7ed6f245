#include "storage/AtomicReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <memory>
#include <random>
#include <string_view>

#include "storage/Descriptor.h"

namespace {

constexpr std::string_view kTemporaryPrefix = ".zuvaduro-save-";
constexpr int kTemporaryHexDigits = 16;
// A running save holds a lock on its temporary file; the age only covers the instant between
// creating the file and taking the lock.
constexpr std::chrono::seconds kStaleTemporaryAge{60};

int writeAll(int fd, const std::uint8_t* data, std::size_t size) {
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

// The name starts with a dot so that file dialogs do not show it while the save runs.
QByteArray randomTemporaryPath(const QString& folder) {
    static_assert(kTemporaryHexDigits == 16, "two 32-bit draws of eight digits each");
    std::random_device entropy;
    const QString name = QString::fromLatin1(kTemporaryPrefix.data(), kTemporaryPrefix.size()) +
                         QStringLiteral("%1%2")
                             .arg(entropy(), 8, 16, QLatin1Char('0'))
                             .arg(entropy(), 8, 16, QLatin1Char('0'));
    return QFile::encodeName(folder + QLatin1Char('/') + name);
}

bool isTemporaryName(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix) ||
        name.size() != kTemporaryPrefix.size() + kTemporaryHexDigits) {
        return false;
    }
    for (const char c : name.substr(kTemporaryPrefix.size())) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

// The file a save writes before it replaces the target. It stays locked until it is gone, so
// that no other save takes it for one a killed save left behind.
class Temporary {
public:
    ~Temporary() {
        if (!m_path.isEmpty() && !m_keep) {
            ::unlink(m_path.constData());
        }
    }

    // Returns 0 or the errno that stopped it.
    int create(const QString& folder) {
        m_folder = folder;
        // Mode 0666 lets the umask decide. Linking it in later goes through /proc.
        if (::access("/proc/self/fd", X_OK) == 0) {
            m_writer.reset(::open(QFile::encodeName(folder).constData(),
                                  O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
            if (!m_writer && errno != EOPNOTSUPP && errno != EISDIR) {
                return errno;
            }
        }
        if (!m_writer) {
            if (int error = createNamed()) {
                return error;
            }
        }
        m_holder.reset(::dup(m_writer.get()));
        if (!m_holder) {
            return errno;
        }
        ::flock(m_holder.get(), LOCK_EX | LOCK_NB);  // new, so no one else can hold it
        return 0;
    }

    int writer() const { return m_writer.get(); }
    // The error of close() matters after writing: it can be the first report of a full disk.
    int closeWriter() { return m_writer.close(); }

    // Gives the complete file its name (an unnamed one) and returns it, or nothing with errno.
    const QByteArray* name(int& error) {
        error = 0;
        if (!m_path.isEmpty()) {
            return &m_path;
        }
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_holder.get());
        for (int attempt = 0; attempt < 64; ++attempt) {
            const QByteArray path = randomTemporaryPath(m_folder);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(),
                         AT_SYMLINK_FOLLOW) == 0) {
                m_path = path;
                return &m_path;
            }
            if (errno != EEXIST) {
                error = errno;
                return nullptr;
            }
        }
        error = EEXIST;
        return nullptr;
    }

    // The name is the target's now: nothing to remove.
    void keep() { m_keep = true; }

private:
    int createNamed() {
        for (int attempt = 0; attempt < 64; ++attempt) {
            const QByteArray path = randomTemporaryPath(m_folder);
            m_writer.reset(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (m_writer) {
                m_path = path;
                return 0;
            }
            if (errno != EEXIST) {
                return errno;
            }
        }
        return EEXIST;
    }

    QString m_folder;
    Descriptor m_writer;
    Descriptor m_holder;  // keeps the lock (and the unnamed file) after the writer is closed
    QByteArray m_path;
    bool m_keep = false;
};

struct Target {
    QString path;  // where the bytes go: a symbolic link is followed to its file
    bool exists = false;
    struct stat info {};
};

// Checks what a save would replace. Returns 0 or the errno that stops the save.
int inspectTarget(const QString& absolute, Target& target) {
    const QString linked = QFileInfo(absolute).canonicalFilePath();
    target.path = linked.isEmpty() ? absolute : linked;
    const QByteArray native = QFile::encodeName(target.path);
    if (::stat(native.constData(), &target.info) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    target.exists = true;
    if (S_ISDIR(target.info.st_mode)) {
        return EISDIR;
    }
    // Replacing a device or a pipe with a plain file is never what the user meant; a file
    // without any write permission is read-only, even for a user who could override it.
    if (!S_ISREG(target.info.st_mode) || (target.info.st_mode & 0222) == 0) {
        return EACCES;
    }
    // Renaming over the file needs only the folder's permission; the user must also be one who
    // may write the file itself.
    if (::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0) {
        return errno;
    }
    return 0;
}

// Owner and group where the user may give them (root may, and anyone may give a group they
// belong to), then the mode: a change of owner clears the set-id bits.
void takeOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // The user's own group, then, as for any new file.
    }
    ::fchmod(fd, old.st_mode & 0777);  // best effort: some file systems keep no modes
}

}  // namespace

int replaceFileAtomically(const QString& absolute, const void* data, std::size_t size) {
    Target target;
    if (int error = inspectTarget(absolute, target)) {
        return error;
    }
    const QString folder = QFileInfo(target.path).absolutePath();
    removeStaleSaveTemporaries(folder, kStaleTemporaryAge);
    // Refuse while someone is reading the old file (readers hold a shared lock).
    Descriptor lock;
    if (target.exists) {
        lock.reset(::open(QFile::encodeName(target.path).constData(), O_RDONLY | O_CLOEXEC));
        if (lock && ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
            return errno;
        }
    }
    Temporary temp;
    if (int error = temp.create(folder)) {
        return error;
    }
    if (target.exists) {
        takeOwnerAndMode(temp.writer(), target.info);
    }
    int error = writeAll(temp.writer(), static_cast<const std::uint8_t*>(data), size);
    if (!error && ::fsync(temp.writer()) != 0) {
        error = errno;
    }
    const int closeError = temp.closeWriter();
    if (!error) {
        error = closeError;
    }
    if (error) {
        return error;
    }
    const QByteArray* tempPath = temp.name(error);
    if (tempPath == nullptr) {
        return error;
    }
    if (::rename(tempPath->constData(), QFile::encodeName(target.path).constData()) != 0) {
        return errno;
    }
    temp.keep();
    // Make the rename itself durable; a failure here no longer endangers either file.
    Descriptor folderFd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd) {
        ::fsync(folderFd.get());
    }
    return 0;
}

void removeStaleSaveTemporaries(const QString& folder, std::chrono::seconds minimumAge) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()),
                                                  &::closedir);
    if (!dir) {
        return;
    }
    const int dirFd = ::dirfd(dir.get());
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!isTemporaryName(entry->d_name)) {
            continue;
        }
        const Descriptor file(
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (!file || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || now - info.st_mtime < minimumAge.count()) {
            continue;
        }
        // A running save holds its lock; a killed one held it no longer than it lived.
        if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
            continue;
        }
        struct stat named {};
        if (::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == info.st_dev && named.st_ino == info.st_ino) {
            ::unlinkat(dirFd, entry->d_name, 0);
        }
    }
}
