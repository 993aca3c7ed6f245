#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QEvent;

// The start-up picture: a frameless pop-up of exactly the picture's size, centred on the screen,
// gone after 750 ms or at the first key or mouse press, whichever comes first.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 750;

    SplashScreen(const QPixmap& picture, QWidget* owner);

    // Closes the splash and repaints the owner at once; the object deletes itself.
    void dismiss();

    // The 520 x 242 picture from the resources; null when it cannot be loaded.
    static QPixmap loadPicture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QPointer<QWidget> m_owner;
    bool m_hiding = false;
};

// What all splash requests of one run share: whether a splash may show at all, and the one that
// shows. Once a splash has gone, no other appears during the run.
class SplashGate {
public:
    void setEnabled(bool enable) { m_enabled = enable; }
    // Shows the splash owned by `owner`, unless it is not allowed, one exists or one has been.
    void showOver(QWidget* owner);
    // A key or mouse press anywhere closes the splash; the event itself is left alone.
    void closeOnInput(const QEvent* event);
    void dismiss();

    // The live splash, or nullptr (also while it is being destroyed).
    SplashScreen* current() const { return qobject_cast<SplashScreen*>(m_splash.data()); }

private:
    bool m_enabled = true;
    bool m_used = false;
    // Held as a plain widget: events still arrive while the splash is being destroyed, when it
    // is no longer a SplashScreen.
    QPointer<QWidget> m_splash;
};
