#include "storage/KernelPath.h"

#include <QDir>
#include <QStringList>

QString absolutePathAsGiven(const QString& path) {
    const QString full = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    const QStringList parts = full.split(u'/');
    QStringList kept;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        // A last "." or "" still says "a folder": it stays.
        if (!last && (parts[i].isEmpty() || parts[i] == u'.')) {
            continue;
        }
        kept.append(parts[i]);
    }
    return u'/' + kept.join(u'/');
}

PathParts splitFolderAndName(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return {".", path};
    }
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}
