#include "shell/SplashScreen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {
constexpr QSize kPictureSize(520, 242);

bool ClosesSplash(QEvent::Type type) {
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
    QTimer::singleShot(kShowMilliseconds, this, &SplashScreen::HideSplashScreen);
}

void SplashScreen::HideSplashScreen() {
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

QPixmap SplashScreen::LoadPicture() {
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

void SplashGate::ShowSplashScreen(QWidget* owner) {
    if (!m_enabled || m_used || m_splash) {
        return;
    }
    const QPixmap picture = SplashScreen::LoadPicture();
    if (picture.isNull()) {
        return;
    }
    m_used = true;
    auto* splash = new SplashScreen(picture, owner);
    m_splash = splash;
    splash->show();
    splash->repaint();
}

void SplashGate::PreTranslateAppMessage(const QEvent* event) {
    if (ClosesSplash(event->type()) && Current() != nullptr) {
        HideSplashScreen();
    }
}

void SplashGate::HideSplashScreen() {
    if (SplashScreen* splash = Current()) {
        splash->HideSplashScreen();
    }
}
