#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

// Where the main window starts: a client area 525 pixels wide and as tall as the screen less 25,
// shortened when the window manager's frame (title bar included) would not otherwise fit on the
// available area, with the whole frame centred on that area. `frame` is null while the window
// is not framed (no window manager, or not yet): the client area is then the whole window.
struct FramePlacement {
    QPoint frameTopLeft;  // the frame's outer top-left corner, in screen coordinates
    QSize clientSize;
    bool operator==(const FramePlacement&) const = default;
};

inline constexpr int kMainClientWidth = 525;
inline constexpr int kMainHeightBelowScreen = 25;

// `extraWidth` widens the client area beyond its usual width (for the offer details beside the
// listing), as far as the available area allows.
FramePlacement placeMainWindow(const QRect& screen, const QRect& available, const QMargins& frame,
                               int extraWidth = 0);

// The client area `client` widened to `width`, as far as the available area allows with the frame
// (never narrower than it is), and moved left as far as the frame's right edge needs to stay on
// the available area, never past its left edge.
QRect widenedClient(const QRect& client, const QMargins& frame, const QRect& available, int width);

// A side window's client area: `wanted`, shrunk where its frame would not fit the available area,
// centred on it.
QRect placeSideWindow(const QSize& wanted, const QRect& available, const QMargins& frame);

// The screen's available area in the toolkit's pixels. At a fractional scale factor its last
// pixel row and column may end beyond the screen's device pixels: they are left out.
QRect usableArea(const QScreen& screen);
