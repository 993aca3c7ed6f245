#include "shell/FramePlacement.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

FramePlacement placeMainWindow(const QRect& screen, const QRect& available, const QMargins& frame,
                               int extraWidth) {
    const int clientHeight = std::min(screen.height() - kMainHeightBelowScreen,
                                      available.height() - frame.top() - frame.bottom());
    const int clientWidth = kMainClientWidth + std::clamp(available.width() - frame.left() -
                                                              frame.right() - kMainClientWidth,
                                                          0, std::max(0, extraWidth));
    const QSize clientSize(clientWidth, std::max(1, clientHeight));
    const QSize frameSize = clientSize.grownBy(frame);
    // A screen narrower than the window keeps the frame's left edge, with its system menu, on it.
    const int x = available.x() + std::max(0, (available.width() - frameSize.width()) / 2);
    const int y = available.y() + std::max(0, (available.height() - frameSize.height()) / 2);
    return {QPoint(x, y), clientSize};
}

QRect widenedClient(const QRect& client, const QMargins& frame, const QRect& available, int width) {
    const int widest = available.width() - frame.left() - frame.right();
    QRect widened = client;
    widened.setWidth(std::max(client.width(), std::min(width, widest)));
    const int overRight = widened.right() + frame.right() - available.right();
    if (overRight > 0) {
        widened.moveLeft(std::max(available.left() + frame.left(), widened.left() - overRight));
    }
    return widened;
}

QRect placeSideWindow(const QSize& wanted, const QRect& available, const QMargins& frame) {
    const QSize room = available.size().shrunkBy(frame);
    const QSize client(std::max(1, std::min(wanted.width(), room.width())),
                       std::max(1, std::min(wanted.height(), room.height())));
    const QSize frameSize = client.grownBy(frame);
    const QPoint frameTopLeft(
        available.x() + std::max(0, (available.width() - frameSize.width()) / 2),
        available.y() + std::max(0, (available.height() - frameSize.height()) / 2));
    return {frameTopLeft + QPoint(frame.left(), frame.top()), client};
}

QRect usableArea(const QScreen& screen) {
    QRect area = screen.availableGeometry();
    const double ratio = screen.devicePixelRatio();
    if (ratio != std::floor(ratio)) {
        area.setSize(area.size() - QSize(1, 1));
    }
    return area;
}
