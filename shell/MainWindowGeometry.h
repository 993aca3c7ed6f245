#pragma once

#include <QMargins>
#include <QRect>

#include "shell/FramePlacement.h"

class OfferDetailsDock;
class QMainWindow;
class QScreen;

// Where the main window stands and how much of its width the offer details have. The window
// starts where FramePlacement puts it and is fitted to the window manager's frame once, unless the
// user moved or resized it in between: nothing the user does to the window is undone. Showing the
// details widens the window by their width as the screen allows, moving it left where its right
// edge would leave the screen; hiding them gives the width back, and the place too, if the user
// left the window as the details made it.
class MainWindowGeometry {
public:
    MainWindowGeometry(QMainWindow& window, OfferDetailsDock& details);

    // The start-up place on the primary screen, with room for the details when they show.
    void placeOnScreen(bool detailsShown);
    // The window moved or was resized: the first time its frame is known, fits it to the frame.
    void windowMovedOrResized();
    // Shows or hides the details, making room for them or giving it back.
    void showDetails(bool on);
    // More offers need more room: the details grow to show them all, never shrink by themselves.
    void growDetailsToFit();

private:
    void placeWithFrame(const QScreen& screen, const QMargins& frame);
    QMargins frameMargins() const;
    int separatorWidth() const;
    // The width the details take beside the listing, the separator between them included.
    int detailsRoom() const;
    // The listing keeps its usual width where the window has it; the details' columns narrow
    // and wrap to what is left.
    void fitDetailsBesideListing();
    bool isNormal() const;
    // Widens the window (not when maximized) so that the listing keeps its usual width beside
    // the details, as far as the screen allows, and gives the details the rest.
    void makeRoomForDetails();

    QMainWindow& m_window;
    OfferDetailsDock& m_details;
    FramePlacement m_placement;
    // The room the window was given for the details at start (0 when they were hidden then).
    int m_startDetailsRoom = 0;
    // The client area before the details were shown, and as showing them left it.
    QRect m_beforeDetails;
    QRect m_withDetails;
    // Between placeOnScreen and the first event that knows the window manager's frame.
    bool m_awaitingFrame = false;
};
