#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>

// Drives modal dialogs from inside their own event loop: whenShown waits for a visible, active
// window of type T and hands it to the script once. A watchdog rejects whatever is still open after
// a few seconds, so a script that fails to close its dialog fails the test instead of hanging it.
class ModalDriver : public QObject {
public:
    ModalDriver() {
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, this, [] {
            ADD_FAILURE() << "a dialog was still open; rejected by the watchdog";
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) {
                    dialog->reject();
                }
            }
        });
        m_watchdog.start(10000);
    }

    template <class T>
    static T* findVisible() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<T*>(window); found && found->isVisible()) {
                return found;
            }
        }
        return nullptr;
    }

    template <class T>
    void whenShown(std::function<void(T&)> script) {
        auto* poll = new QTimer(this);
        QObject::connect(poll, &QTimer::timeout, this, [poll, script] {
            T* window = findVisible<T>();
            if (window == nullptr) {
                return;
            }
            poll->stop();
            poll->deleteLater();
            // Focus checks need the window the user would be typing into.
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            script(*window);
        });
        poll->start(5);
    }

private:
    QTimer m_watchdog;
};

// The control with `id` (its object name) inside `dialog`.
template <class T>
T* control(QWidget& dialog, int id) {
    T* found = dialog.findChild<T*>(QString::number(id));
    EXPECT_NE(found, nullptr) << "no control " << id;
    return found;
}
