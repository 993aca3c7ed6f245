#include "view/DialogUnits.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace {

// The average width is taken over the alphabet rather than from the font's own figure, which
// varies between font files; this is the measure the unit geometry was laid out with.
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;

int mulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
    m_baseWidth = std::max(1, (alphabet + kAlphabetLength / 2) / kAlphabetLength);
    m_baseHeight = std::max(1, metrics.height());
}

int DialogUnits::toPixelsX(int units) const {
    return mulDivRounded(units, m_baseWidth, 4);
}

int DialogUnits::toPixelsY(int units) const {
    return mulDivRounded(units, m_baseHeight, 8);
}

QRect DialogUnits::toPixels(const DluRect& rect) const {
    return QRect(toPixelsX(rect.x), toPixelsY(rect.y), toPixelsX(rect.width),
                 toPixelsY(rect.height));
}

QSize DialogUnits::toPixels(int width, int height) const {
    return QSize(toPixelsX(width), toPixelsY(height));
}

void placeControl(QWidget& widget, const DialogUnits& units, const DluRect& rect,
                  bool naturalHeight) {
    QRect pixels = units.toPixels(rect);
    if (naturalHeight) {
        pixels.setHeight(widget.sizeHint().height());
    }
    widget.setGeometry(pixels);
}

void finishDialogGeometry(QDialog& dialog, const DialogUnits& units, int width, int height) {
    QSize size = units.toPixels(width, height);
    // Keep the template's left margin on the right of a label that had to grow.
    const int margin = units.toPixelsX(7);
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            continue;
        }
        const int needed = label->sizeHint().width();
        if (label->width() < needed) {
            label->resize(needed, std::max(label->height(), label->sizeHint().height()));
        }
        size.setWidth(std::max(size.width(), label->geometry().right() + 1 + margin));
    }
    dialog.setFixedSize(size);
}
