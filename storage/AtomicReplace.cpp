#include "storage/AtomicReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <ctime>
#include <memory>
#include <random>
#include <string_view>

#include "storage/Descriptor.h"
#include "storage/KernelPath.h"

namespace {

constexpr std::string_view kTemporaryPrefix = ".zuvaduro-save-";
constexpr int kTemporaryHexDigits = 16;
// A running save holds a lock on its temporary file; the age only covers the instant between
// creating the file and taking the lock.
constexpr std::chrono::seconds kStaleTemporaryAge{60};
// As many links as the kernel itself follows in one path before it gives up.
constexpr int kMostLinkHops = 40;

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
QByteArray randomTemporaryName() {
    static_assert(kTemporaryHexDigits == 16, "two 32-bit draws of eight digits each");
    std::random_device entropy;
    const QString name = QString::fromLatin1(kTemporaryPrefix.data(), kTemporaryPrefix.size()) +
                         QStringLiteral("%1%2")
                             .arg(entropy(), 8, 16, QLatin1Char('0'))
                             .arg(entropy(), 8, 16, QLatin1Char('0'));
    return name.toLatin1();
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

// The file a save writes before it replaces the target, in the target's folder (which the caller
// holds open while this lives). It stays locked until it is gone, so that no other save takes it
// for one a killed save left behind.
class Temporary {
public:
    explicit Temporary(int folder) : m_folder(folder) {}
    ~Temporary() {
        if (!m_name.isEmpty() && !m_keep) {
            ::unlinkat(m_folder, m_name.constData(), 0);
        }
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    // Returns 0 or the errno that stopped it.
    int create() {
        // Mode 0666 lets the umask decide. Linking it in later goes through /proc.
        if (::access("/proc/self/fd", X_OK) == 0) {
            m_writer.reset(::openat(m_folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
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

    // Gives the complete file its name in the folder (an unnamed one has none yet) and returns
    // it, or nothing with errno.
    const QByteArray* name(int& error) {
        error = 0;
        if (!m_name.isEmpty()) {
            return &m_name;
        }
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_holder.get());
        for (int attempt = 0; attempt < 64; ++attempt) {
            const QByteArray name = randomTemporaryName();
            if (::linkat(AT_FDCWD, self.constData(), m_folder, name.constData(),
                         AT_SYMLINK_FOLLOW) == 0) {
                m_name = name;
                return &m_name;
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
            const QByteArray name = randomTemporaryName();
            m_writer.reset(::openat(m_folder, name.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (m_writer) {
                m_name = name;
                return 0;
            }
            if (errno != EEXIST) {
                return errno;
            }
        }
        return EEXIST;
    }

    int m_folder;
    Descriptor m_writer;
    Descriptor m_holder;  // keeps the lock (and the unnamed file) after the writer is closed
    QByteArray m_name;
    bool m_keep = false;
};

// What a save replaces: a name in a folder held open, whatever later becomes of the path that led
// there.
struct Target {
    Descriptor folder;
    QByteArray name;
    bool exists = false;
    struct stat info {};
    Descriptor lock;  // the old file, locked against readers while it is replaced
};

// Opens `folder` (relative to `base` unless it is absolute) as the target's folder: readable
// where it may be, so that it can be listed and flushed, else only as a place to name files in.
int openFolder(int base, const QByteArray& folder, Descriptor& into) {
    int fd = ::openat(base, folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) {
        fd = ::openat(base, folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    if (fd < 0) {
        return errno;
    }
    into.reset(fd);
    return 0;
}

// The text of the link `name` in `folder`. Returns 0 or the errno.
int readLink(int folder, const QByteArray& name, QByteArray& text) {
    // A text that fills the buffer may have been cut: read it again with more room.
    for (qsizetype size = 256;; size *= 2) {
        text.resize(size);
        const ssize_t got =
            ::readlinkat(folder, name.constData(), text.data(), static_cast<std::size_t>(size));
        if (got < 0) {
            return errno;
        }
        if (got < size) {
            text.truncate(got);
            return 0;
        }
        if (size > PATH_MAX) {
            return ENAMETOOLONG;
        }
    }
}

// Finds the folder and the name the save replaces, following a link as the last name to where it
// leads: a link's text is read relative to the link's own folder, as the kernel reads it.
// Returns 0, or the errno that stops the save.
int resolveTarget(const QByteArray& path, Target& target) {
    QByteArray next = path;
    for (int hops = 0;; ++hops) {
        const PathParts parts = splitFolderAndName(next);
        if (int error = openFolder(target.folder ? target.folder.get() : AT_FDCWD, parts.folder,
                                   target.folder)) {
            return error;
        }
        target.name = parts.name;
        if (parts.name.isEmpty() || parts.name == "." || parts.name == "..") {
            return EISDIR;  // names that only a folder has
        }
        if (::fstatat(target.folder.get(), target.name.constData(), &target.info,
                      AT_SYMLINK_NOFOLLOW) != 0) {
            // Nothing there yet, also where a link leads to no file: the save makes it.
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(target.info.st_mode)) {
            target.exists = true;
            return 0;
        }
        if (hops == kMostLinkHops) {
            return ELOOP;
        }
        if (int error = readLink(target.folder.get(), target.name, next)) {
            return error;
        }
    }
}

// Checks the file the save would replace and locks it against readers. Returns 0, the errno that
// stops the save, or kTargetIsKeptFile.
int checkTarget(Target& target, const std::optional<FileIdentity>& keep) {
    if (!target.exists) {
        return 0;
    }
    if (keep && *keep == FileIdentity{target.info.st_dev, target.info.st_ino}) {
        return kTargetIsKeptFile;
    }
    if (S_ISDIR(target.info.st_mode)) {
        return EISDIR;
    }
    // Replacing a device or a pipe with a plain file is never what the user meant; a file
    // without any write permission is read-only, even for a user who could override it.
    if (!S_ISREG(target.info.st_mode) || (target.info.st_mode & 0222) == 0) {
        return EACCES;
    }
    const int folder = target.folder.get();
    const char* name = target.name.constData();
    // Renaming over the file needs only the folder's permission; the user must also be one who
    // may write the file itself.
    if (::faccessat(folder, name, W_OK, AT_EACCESS) != 0) {
        return errno;
    }
    // Refuse while someone is reading the old file (readers hold a shared lock). The lock is
    // taken on the file checked above or not at all: not through a link put there since.
    target.lock.reset(
        ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!target.lock) {
        // A file the user may write but not read goes without the lock.
        return errno == ELOOP ? EWOULDBLOCK : 0;
    }
    struct stat opened {};
    if (::fstat(target.lock.get(), &opened) != 0) {
        return errno;
    }
    if (opened.st_dev != target.info.st_dev || opened.st_ino != target.info.st_ino) {
        return EWOULDBLOCK;  // someone is changing the file right now
    }
    if (::flock(target.lock.get(), LOCK_EX | LOCK_NB) != 0) {
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

void removeStaleTemporariesIn(int folder, std::chrono::seconds minimumAge) {
    // A descriptor of its own: the directory stream reads and closes it.
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0) {
        return;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(listed), &::closedir);
    if (!dir) {
        ::close(listed);
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

}  // namespace

int replaceFileAtomically(const QString& path, const void* data, std::size_t size,
                          std::optional<FileIdentity> keep) {
    Target target;
    if (int error = resolveTarget(QFile::encodeName(path), target)) {
        return error;
    }
    if (int error = checkTarget(target, keep)) {
        return error;
    }
    const int folder = target.folder.get();
    removeStaleTemporariesIn(folder, kStaleTemporaryAge);
    Temporary temp(folder);
    if (int error = temp.create()) {
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
    const QByteArray* tempName = temp.name(error);
    if (tempName == nullptr) {
        return error;
    }
    // The name found and checked above, in the folder held since: a link changed meanwhile
    // cannot send the file anywhere else.
    if (::renameat(folder, tempName->constData(), folder, target.name.constData()) != 0) {
        return errno;
    }
    temp.keep();
    // Make the rename itself durable (a folder held only as a place cannot be flushed); a failure
    // here no longer endangers either file.
    ::fsync(folder);
    return 0;
}

void removeStaleSaveTemporaries(const QString& folder, std::chrono::seconds minimumAge) {
    Descriptor held;
    if (openFolder(AT_FDCWD, QFile::encodeName(folder), held) == 0) {
        removeStaleTemporariesIn(held.get(), minimumAge);
    }
}
