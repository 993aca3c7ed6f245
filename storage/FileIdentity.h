#pragma once

#include <QString>

// True when writing to `a` would write over `b`: both name the same file once links are followed
// (a symbolic or a hard link to a file is that file: same device, same inode), or, where either
// does not exist, both are the same absolute path.
bool isSameFile(const QString& a, const QString& b);
