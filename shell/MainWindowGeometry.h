#pragma once

#include <QMargins>
#include <QSize>

#include "shell/FramePlacement.h"

class OfferDetailsDock;
class QMainWindow;

// Where the main window stands and how much of its width the offer details have. The window
// starts where FramePlacement puts it and is fitted to the window manager's frame once, unless the
// user moved or resized it in between: nothing the user does to the window is undone. Showing the
// details widens the window by their width as the screen allows; hiding them narrows it again if
// the user left that width as it was.
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
    void applyPlacement(const FramePlacement& placement);
    QMargins frameMargins() const;
    // Widens the window by up to `extraWidth` (not when maximized) and gives it to the details.
    void makeRoomForDetails(int extraWidth);

    QMainWindow& m_window;
    OfferDetailsDock& m_details;
    FramePlacement m_placement;
    // The room the window was given for the details: at start, or when they were shown.
    int m_startDetailsWidth = 0;
    QSize m_sizeBeforeDetails;
    QSize m_sizeWithDetails;
    // Between placeOnScreen and the first event that knows the window manager's frame.
    bool m_awaitingFrame = false;
};
