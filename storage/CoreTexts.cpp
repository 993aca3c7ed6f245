#include "storage/CoreTexts.h"

#include <QCoreApplication>
#include <iterator>

namespace {

// Each exactly as the core writes it; the window's test checks that every one is found.
constexpr const char* kCoreTexts[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "Unexpected file format."),
    QT_TRANSLATE_NOOP("CoreTexts", "Failed to open document."),
    QT_TRANSLATE_NOOP("CoreTexts", "every term Random"),
    QT_TRANSLATE_NOOP("CoreTexts", "Printed by Zuvaduro, the mercenary contract generator"),
};

}  // namespace

QString shownCoreText(std::string_view text) {
    for (const char* known : kCoreTexts) {
        if (text == known) {
            return QCoreApplication::translate("CoreTexts", known);
        }
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
