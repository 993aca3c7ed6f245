#pragma once

#include <sys/types.h>

#include <QString>
#include <optional>

// A file as the kernel tells files apart, whatever name or link leads to it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The file `path` names once links are followed, or nothing when there is none.
std::optional<FileIdentity> fileIdentity(const QString& path);

// True when writing to `a` would write over `b`: both name the same file once links are followed
// (a symbolic or a hard link to a file is that file), or, where either does not exist, both are
// the same absolute path.
bool isSameFile(const QString& a, const QString& b);
