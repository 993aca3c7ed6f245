#include "storage/FileError.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>

#include "storage/KernelPath.h"

namespace {

// clang-format off
struct ErrnoCause {
    int error;
    FileErrorCause cause;
};
// errno values that name one of the causes; every other value is the generic cause. EBUSY is
// left generic: only a removal of the current directory means cause 7, and nothing here removes
// directories.
constexpr ErrnoCause kErrnoCauses[] = {
    {ENOENT,       FileErrorCause::FileNotFound},
    {ENOTDIR,      FileErrorCause::BadPath},
    {ENAMETOOLONG, FileErrorCause::BadPath},
    {EINVAL,       FileErrorCause::BadPath},
    {EMFILE,       FileErrorCause::TooManyOpenFiles},
    {ENFILE,       FileErrorCause::TooManyOpenFiles},
    {EACCES,       FileErrorCause::AccessDenied},
    {EPERM,        FileErrorCause::AccessDenied},
    {EROFS,        FileErrorCause::AccessDenied},
    {EISDIR,       FileErrorCause::AccessDenied},
    {EBADF,        FileErrorCause::InvalidFile},
    {ESPIPE,       FileErrorCause::BadSeek},
    {EIO,          FileErrorCause::HardIo},
    {EWOULDBLOCK,  FileErrorCause::SharingViolation},
    {EDEADLK,      FileErrorCause::LockViolation},
    {ENOLCK,       FileErrorCause::LockViolation},
    {ENOSPC,       FileErrorCause::DiskFull},
    {EDQUOT,       FileErrorCause::DiskFull},
};

struct CauseMessage {
    FileErrorCause cause;
    const char* message;
};
// In cause order, so that the cause's number indexes the table. The window shows them in the
// user's language; the command line, which loads no translation, prints them as they stand.
constexpr CauseMessage kMessages[] = {
    {FileErrorCause::Generic,          QT_TRANSLATE_NOOP("FileError", "An unknown error occurred while accessing %1.")},
    {FileErrorCause::FileNotFound,     QT_TRANSLATE_NOOP("FileError", "%1 was not found.")},
    {FileErrorCause::BadPath,          QT_TRANSLATE_NOOP("FileError", "%1 contains an invalid path.")},
    {FileErrorCause::TooManyOpenFiles, QT_TRANSLATE_NOOP("FileError", "%1 could not be opened because there are too many open files.")},
    {FileErrorCause::AccessDenied,     QT_TRANSLATE_NOOP("FileError", "Access to %1 was denied.")},
    {FileErrorCause::InvalidFile,      QT_TRANSLATE_NOOP("FileError", "An invalid file handle was associated with %1.")},
    {FileErrorCause::RemoveCurrentDir, QT_TRANSLATE_NOOP("FileError", "%1 could not be removed because it is the current directory.")},
    {FileErrorCause::DirectoryFull,    QT_TRANSLATE_NOOP("FileError", "%1 could not be created because the directory is full.")},
    {FileErrorCause::BadSeek,          QT_TRANSLATE_NOOP("FileError", "Seek failed on %1")},
    {FileErrorCause::HardIo,           QT_TRANSLATE_NOOP("FileError", "A hardware I/O error was reported while accessing %1.")},
    {FileErrorCause::SharingViolation, QT_TRANSLATE_NOOP("FileError", "A sharing violation occurred while accessing %1.")},
    {FileErrorCause::LockViolation,    QT_TRANSLATE_NOOP("FileError", "A locking violation occurred while accessing %1.")},
    {FileErrorCause::DiskFull,         QT_TRANSLATE_NOOP("FileError", "Disk full while accessing %1.")},
    {FileErrorCause::EndOfFile,        QT_TRANSLATE_NOOP("FileError", "An attempt was made to access %1 past its end.")},
};
// clang-format on

constexpr bool messagesInCauseOrder() {
    for (std::size_t i = 0; i < std::size(kMessages); ++i) {
        if (static_cast<int>(kMessages[i].cause) != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return std::size(kMessages) == 14;
}
static_assert(messagesInCauseOrder());

// Whether the folder `path` names its file in is there, as the kernel finds it.
bool folderExists(const QString& path) {
    const PathParts parts = splitFolderAndName(QFile::encodeName(path));
    struct stat info {};
    return ::stat(parts.folder.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

FileErrorCause causeFromErrno(int error) {
    for (const ErrnoCause& row : kErrnoCauses) {
        if (row.error == error) {
            return row.cause;
        }
    }
    return FileErrorCause::Generic;
}

QString fileErrorMessage(FileErrorCause cause, const QString& path) {
    const int index = static_cast<int>(cause) - 1;
    const bool known = index >= 0 && index < static_cast<int>(std::size(kMessages));
    const char* message = kMessages[known ? index : 0].message;
    // arg() replaces only the placeholder, so a path holding "%2" is shown as it is.
    return QCoreApplication::translate("FileError", message).arg(path);
}

QString fileErrorMessageFor(int error, const QString& path) {
    if (error == ENOENT && !folderExists(path)) {
        return fileErrorMessage(FileErrorCause::BadPath, path);
    }
    return fileErrorMessage(causeFromErrno(error), path);
}
