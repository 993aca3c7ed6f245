#include "shell/SplashScreen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {
constexpr QSize kPictureSize(520, 242);

bool closesSplash(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:  // a key that is a shortcut never arrives as KeyPress
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
            return true;
        default:
            return false;
    }
}
}  // namespace

SplashScreen::SplashScreen(const QPixmap& picture, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(picture),
      m_owner(owner) {
    setObjectName(QStringLiteral("splash"));
    setWindowTitle(QStringLiteral("Zuvaduro"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    QTimer::singleShot(kShowMilliseconds, this, &SplashScreen::dismiss);
}

void SplashScreen::dismiss() {
    if (m_hiding) {
        return;
    }
    m_hiding = true;
    close();
    if (m_owner) {
        m_owner->repaint();
    }
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

QPixmap SplashScreen::loadPicture() {
    Q_INIT_RESOURCE(zuvaduro);
    QSvgRenderer renderer(QStringLiteral(":/splash.svg"));
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap picture(kPictureSize);
    picture.fill(Qt::lightGray);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), kPictureSize));
    return picture;
}

void SplashGate::showOver(QWidget* owner) {
    if (!m_enabled || m_used || m_splash) {
        return;
    }
    const QPixmap picture = SplashScreen::loadPicture();
    if (picture.isNull()) {
        return;
    }
    m_used = true;
    auto* splash = new SplashScreen(picture, owner);
    m_splash = splash;
    splash->show();
    splash->repaint();
}

void SplashGate::closeOnInput(const QEvent* event) {
    if (closesSplash(event->type()) && current() != nullptr) {
        dismiss();
    }
}

void SplashGate::dismiss() {
    if (SplashScreen* splash = current()) {
        splash->dismiss();
    }
}
