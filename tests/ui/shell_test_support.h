#pragma once

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <ostream>
#include <string>
#include <vector>

#include "document/ContractDocument.h"
#include "tests/support/DocumentBytes.h"
#include "tests/support/Offers.h"

// Readable failure output for the toolkit's strings.
static inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
static inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(" | ")).toStdString() << '}';
}

// Helpers shared by the shell, view and print tests.
namespace shelltest {

// A document file written byte by byte (see testsupport::documentFileBytes).
inline QByteArray documentBytes(const std::string& rating, int count,
                                const std::vector<ContractOffer>& offers,
                                const std::string& year = "3055") {
    return QByteArray::fromStdString(testsupport::documentFileBytes(rating, count, offers, year));
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The title as the window system gets it: the modified mark "[*]" resolved the toolkit's way.
inline QString shownTitle(QWidget& window) {
    window.winId();
    return window.windowHandle()->title();
}

using testsupport::fillOffers;
using testsupport::namedOffer;

// Counts the events of one type that reach a widget after the application's filters.
class EventCounter : public QObject {
public:
    EventCounter(QObject* target, QEvent::Type type) : m_type(type) {
        target->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == m_type) {
            ++count;
        }
        return false;
    }

private:
    QEvent::Type m_type;
};

// Closes (with Escape semantics) every modal dialog that appears within the next few seconds,
// so that a test reaching a real message box does not hang. Returns the texts it closed.
class ModalCloser : public QObject {
public:
    ModalCloser() {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_closed << modal->windowTitle();
                modal->close();
            }
        });
        m_timer.start(20);
    }
    const QStringList& closed() const { return m_closed; }

private:
    QTimer m_timer;
    QStringList m_closed;
};

}  // namespace shelltest
