#pragma once

#include <QByteArray>
#include <QString>

// Paths as the kernel resolves them. A ".." is the parent of the folder the links before it lead
// to, which only the kernel knows, so it is never taken away by text. Only "." and repeated "/"
// are dropped: they name the same folder wherever the links lead.

// `path` as an absolute path: a relative one gets the current folder in front. Nothing else of
// the user's text changes, so it also serves as the path shown in messages.
QString absolutePathAsGiven(const QString& path);

// A native path split at its last "/": "a/b/c" -> {"a/b", "c"}, "c" -> {".", "c"},
// "/c" -> {"/", "c"}, "a/" -> {"a", ""}.
struct PathParts {
    QByteArray folder;
    QByteArray name;
};
PathParts splitFolderAndName(const QByteArray& path);
