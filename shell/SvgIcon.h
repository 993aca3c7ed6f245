#pragma once

#include <QIcon>
#include <initializer_list>

class QString;

// The picture at `path` drawn from SVG once, at the sizes asked for, without loading an icon
// plugin: that keeps the start-up close to that of an empty window. Null when the file is not
// a picture.
QIcon svgIcon(const QString& path, std::initializer_list<int> sizes);
