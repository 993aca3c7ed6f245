#include "shell/MainWindowGeometry.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
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
    m_startDetailsWidth = detailsShown ? m_details.preferredWidth() : 0;
    applyPlacement(placeMainWindow(screen->geometry(), screen->availableGeometry(), frameMargins(),
                                   m_startDetailsWidth));
    m_awaitingFrame = true;
}

void MainWindowGeometry::applyPlacement(const FramePlacement& placement) {
    m_window.resize(placement.clientSize);
    // move() places the frame's top-left corner, as far as the frame is known.
    m_window.move(placement.frameTopLeft);
    m_placement = placement;
    if (m_startDetailsWidth > 0) {
        m_sizeBeforeDetails = QSize(kMainClientWidth, placement.clientSize.height());
        m_sizeWithDetails = placement.clientSize;
        m_window.resizeDocks(
            {&m_details},
            {std::min(m_startDetailsWidth, placement.clientSize.width() - kMainClientWidth)},
            Qt::Horizontal);
    }
}

QMargins MainWindowGeometry::frameMargins() const {
    const QWindow* handle = m_window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
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
        applyPlacement(placeMainWindow(screen->geometry(), screen->availableGeometry(), frame,
                                       m_startDetailsWidth));
    }
}

void MainWindowGeometry::showDetails(bool on) {
    if (!on) {
        m_details.setVisible(false);
        if (m_sizeBeforeDetails.isValid() && m_window.size() == m_sizeWithDetails &&
            !m_window.isMaximized() && !m_window.isFullScreen()) {
            m_window.resize(m_sizeBeforeDetails);
        }
        return;
    }
    m_sizeBeforeDetails = m_window.size();
    m_details.setVisible(true);
    makeRoomForDetails(m_details.preferredWidth());
}

void MainWindowGeometry::growDetailsToFit() {
    if (m_window.isVisible() && m_details.isVisible() &&
        m_details.preferredWidth() > m_details.width()) {
        makeRoomForDetails(m_details.preferredWidth() - m_details.width());
    }
}

void MainWindowGeometry::makeRoomForDetails(int extraWidth) {
    const int wanted = m_details.preferredWidth();
    const QScreen* screen = m_window.screen();
    if (extraWidth > 0 && screen != nullptr && !m_window.isMaximized() &&
        !m_window.isFullScreen()) {
        const QRect available = screen->availableGeometry();
        const QMargins frame = frameMargins();
        const int widest = available.width() - frame.left() - frame.right();
        // The client area moves, not the frame: its height on the screen is known for sure.
        QRect client = m_window.geometry();
        const int width = m_window.width();
        client.setWidth(std::max(width, std::min(width + extraWidth, widest)));
        const int overRight = client.right() + frame.right() - available.right();
        if (overRight > 0) {
            client.moveLeft(std::max(available.left() + frame.left(), client.left() - overRight));
        }
        m_window.setGeometry(client);
    }
    m_sizeWithDetails = m_window.size();
    // The listing keeps its usual width where the window has it; the details scroll instead.
    m_window.resizeDocks(
        {&m_details},
        {std::max(std::min(wanted, m_window.width() - kMainClientWidth), m_details.width())},
        Qt::Horizontal);
}
