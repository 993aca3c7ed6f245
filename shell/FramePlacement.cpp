#include "shell/FramePlacement.h"

#include <algorithm>

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
