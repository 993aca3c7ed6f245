#include "storage/FileIdentity.h"

#include <sys/stat.h>

#include <QFile>

#include "storage/KernelPath.h"

std::optional<FileIdentity> fileIdentity(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{info.st_dev, info.st_ino};
}

bool isSameFile(const QString& a, const QString& b) {
    const std::optional<FileIdentity> first = fileIdentity(a);
    const std::optional<FileIdentity> second = fileIdentity(b);
    if (first && second) {
        return *first == *second;
    }
    return absolutePathAsGiven(a) == absolutePathAsGiven(b);
}
