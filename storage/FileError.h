#pragma once

#include <QString>

// The fourteen causes of a file error and their messages ("%1" is the path).
enum class FileErrorCause {
    Generic = 1,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardIo,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
};

// Maps an operating-system error number (errno) to a cause.
FileErrorCause causeFromErrno(int error);

QString fileErrorMessage(FileErrorCause cause, const QString& path);

// The message for an operating-system error met while writing or reading `path`. A missing
// folder is a bad path rather than a missing file, as the user sees it.
QString fileErrorMessageFor(int error, const QString& path);
