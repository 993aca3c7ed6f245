#include <gtest/gtest.h>

#include <cerrno>

#include "storage/FileError.h"

namespace {

TEST(FileError, mapsOperatingSystemErrorsToCauses) {
    const struct {
        int error;
        FileErrorCause cause;
    } rows[] = {
        {ENOENT, FileErrorCause::FileNotFound},
        {ENOTDIR, FileErrorCause::BadPath},
        {ENAMETOOLONG, FileErrorCause::BadPath},
        {EINVAL, FileErrorCause::BadPath},
        {EMFILE, FileErrorCause::TooManyOpenFiles},
        {ENFILE, FileErrorCause::TooManyOpenFiles},
        {EACCES, FileErrorCause::AccessDenied},
        {EPERM, FileErrorCause::AccessDenied},
        {EROFS, FileErrorCause::AccessDenied},
        {EISDIR, FileErrorCause::AccessDenied},
        {EBADF, FileErrorCause::InvalidFile},
        {ESPIPE, FileErrorCause::BadSeek},
        {EIO, FileErrorCause::HardIo},
        {EWOULDBLOCK, FileErrorCause::SharingViolation},
        {EDEADLK, FileErrorCause::LockViolation},
        {ENOLCK, FileErrorCause::LockViolation},
        {ENOSPC, FileErrorCause::DiskFull},
        {EDQUOT, FileErrorCause::DiskFull},
        {EEXIST, FileErrorCause::Generic},
        {0, FileErrorCause::Generic},
        {-1, FileErrorCause::Generic},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(causeFromErrno(row.error), row.cause) << row.error;
    }
}

TEST(FileError, namesTheFullPathInEachCausesMessage) {
    const QString path = "/home/gm/offers.did";
    const char* expected[] = {
        "An unknown error occurred while accessing /home/gm/offers.did.",
        "/home/gm/offers.did was not found.",
        "/home/gm/offers.did contains an invalid path.",
        "/home/gm/offers.did could not be opened because there are too many open files.",
        "Access to /home/gm/offers.did was denied.",
        "An invalid file handle was associated with /home/gm/offers.did.",
        "/home/gm/offers.did could not be removed because it is the current directory.",
        "/home/gm/offers.did could not be created because the directory is full.",
        "Seek failed on /home/gm/offers.did",
        "A hardware I/O error was reported while accessing /home/gm/offers.did.",
        "A sharing violation occurred while accessing /home/gm/offers.did.",
        "A locking violation occurred while accessing /home/gm/offers.did.",
        "Disk full while accessing /home/gm/offers.did.",
        "An attempt was made to access /home/gm/offers.did past its end.",
    };
    for (int cause = 1; cause <= 14; ++cause) {
        EXPECT_EQ(fileErrorMessage(static_cast<FileErrorCause>(cause), path), expected[cause - 1])
            << cause;
    }
}

TEST(FileError, showsPlaceholdersInsideThePathLiterally) {
    EXPECT_EQ(fileErrorMessage(FileErrorCause::FileNotFound, "/tmp/100%2 %1.did"),
              "/tmp/100%2 %1.did was not found.");
}

}  // namespace
