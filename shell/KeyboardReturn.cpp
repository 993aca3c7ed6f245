#include "shell/KeyboardReturn.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

void returnKeyboardAfterDialog(QWidget& window) {
    QTimer::singleShot(0, &window, [&window] {
        const QWidget* active = QApplication::activeWindow();
        const bool otherWindowActive =
            active != nullptr && active != &window && active->isVisible();
        if (window.isVisible() && QApplication::activeModalWidget() == nullptr &&
            !otherWindowActive) {
            window.activateWindow();
        }
    });
}
