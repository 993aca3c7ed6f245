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
FileErrorCause CauseFromErrno(int error);

QString FileErrorMessage(FileErrorCause cause, const QString& path);
