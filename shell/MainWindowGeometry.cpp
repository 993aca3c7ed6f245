#include "shell/MainWindowGeometry.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "view/OfferDetailsDock.h"

MainWindowGeometry::MainWindowGeometry(QMainWindow& window, OfferDetailsDock& details)
    : m_window(window), m_details(details) {}

void MainWindowGeometry::placeOnScreen(bool detailsShown) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        m_window.resize(kMainClientWidth, 480);
        return;
    }
    m_startDetailsRoom = detailsShown ? detailsRoom() : 0;
    placeWithFrame(*screen, frameMargins());
    m_awaitingFrame = true;
}

void MainWindowGeometry::placeWithFrame(const QScreen& screen, const QMargins& frame) {
    const FramePlacement placement =
        placeMainWindow(screen.geometry(), usableArea(screen), frame, m_startDetailsRoom);
    m_window.resize(placement.clientSize);
    // move() places the frame's top-left corner, as far as the frame is known.
    m_window.move(placement.frameTopLeft);
    m_placement = placement;
    if (m_startDetailsRoom > 0) {
        // Hiding the details later gives back what a start without them would have had.
        const QPoint toClient(frame.left(), frame.top());
        const FramePlacement without =
            placeMainWindow(screen.geometry(), usableArea(screen), frame);
        m_beforeDetails = QRect(without.frameTopLeft + toClient, without.clientSize);
        m_withDetails = QRect(placement.frameTopLeft + toClient, placement.clientSize);
        fitDetailsBesideListing();
    }
}

QMargins MainWindowGeometry::frameMargins() const {
    const QWindow* handle = m_window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

int MainWindowGeometry::separatorWidth() const {
    return m_window.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &m_window);
}

int MainWindowGeometry::detailsRoom() const {
    return m_details.preferredWidth() + separatorWidth();
}

void MainWindowGeometry::fitDetailsBesideListing() {
    const int besideListing = m_window.width() - kMainClientWidth - separatorWidth();
    m_window.resizeDocks({&m_details},
                         {std::max(std::min(besideListing, m_details.preferredWidth()),
                                   m_details.minimumSizeHint().width())},
                         Qt::Horizontal);
}

bool MainWindowGeometry::isNormal() const {
    return !m_window.isMaximized() && !m_window.isFullScreen();
}

void MainWindowGeometry::windowMovedOrResized() {
    if (!m_awaitingFrame) {
        return;
    }
    const QMargins frame = frameMargins();
    if (frame.isNull()) {
        return;  // not framed (yet): the window is all client area
    }
    m_awaitingFrame = false;
    // A file opened at start was read before the window showed, and may need more room; the
    // window grows only now, once its frame stands where it belongs.
    QTimer::singleShot(0, &m_window, [this] { growDetailsToFit(); });
    // The window manager frames the client where it was put, or puts the frame where the window
    // was asked to go; anything else is a move or resize by the user, and that stands.
    const QPoint client = m_window.geometry().topLeft();
    const QPoint asked = m_placement.frameTopLeft;
    const bool untouched = m_window.size() == m_placement.clientSize &&
                           (client == asked || client == asked + QPoint(frame.left(), frame.top()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (untouched && screen != nullptr) {
        placeWithFrame(*screen, frame);
    }
}

void MainWindowGeometry::showDetails(bool on) {
    if (on) {
        m_beforeDetails = m_window.geometry();
        m_details.setVisible(true);
        makeRoomForDetails();
        return;
    }
    m_details.setVisible(false);
    const QRect now = m_window.geometry();
    if (m_beforeDetails.isValid() && now.size() == m_withDetails.size() && isNormal()) {
        // The width goes back; so does the place, unless the user has moved the window since.
        const bool moved = now.topLeft() != m_withDetails.topLeft();
        m_window.setGeometry(
            QRect(moved ? now.topLeft() : m_beforeDetails.topLeft(), m_beforeDetails.size()));
    }
    m_beforeDetails = QRect();
}

void MainWindowGeometry::growDetailsToFit() {
    if (m_window.isVisible() && m_details.isVisible() &&
        m_details.preferredWidth() > m_details.width()) {
        makeRoomForDetails();
    }
}

void MainWindowGeometry::makeRoomForDetails() {
    const int room = detailsRoom();
    const QScreen* screen = m_window.screen();
    if (screen != nullptr && isNormal()) {
        const QRect widened = widenedClient(m_window.geometry(), frameMargins(),
                                            usableArea(*screen), kMainClientWidth + room);
        if (widened != m_window.geometry()) {
            m_window.setGeometry(widened);
        }
    }
    m_withDetails = m_window.geometry();
    fitDetailsBesideListing();
}
