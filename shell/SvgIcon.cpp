#include "shell/SvgIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon svgIcon(const QString& path, std::initializer_list<int> sizes) {
    QSvgRenderer renderer(path);
    QIcon icon;
    if (!renderer.isValid()) {
        return icon;
    }
    for (int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
