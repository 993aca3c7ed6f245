#include "storage/FileIdentity.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool isSameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(QFile::encodeName(a).constData(), &first) == 0 &&
        ::stat(QFile::encodeName(b).constData(), &second) == 0) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    const auto absolute = [](const QString& path) {
        return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    };
    return absolute(a) == absolute(b);
}
