#include "shell/FramePlacement.h"

#include <algorithm>

FramePlacement placeMainWindow(const QRect& screen, const QRect& available, const QMargins& frame) {
    const int clientHeight = std::min(screen.height() - kMainHeightBelowScreen,
                                      available.height() - frame.top() - frame.bottom());
    const QSize clientSize(kMainClientWidth, std::max(1, clientHeight));
    const QSize frameSize = clientSize.grownBy(frame);
    // A screen narrower than the window keeps the frame's left edge, with its system menu, on it.
    const int x = available.x() + std::max(0, (available.width() - frameSize.width()) / 2);
    const int y = available.y() + std::max(0, (available.height() - frameSize.height()) / 2);
    return {QPoint(x, y), clientSize};
}
