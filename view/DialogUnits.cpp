#include "view/DialogUnits.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

// The average width is taken over the alphabet rather than from the font's own figure, which
// varies between font files; this is the measure the unit geometry was laid out with.
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;

// A button's or title's text as shown: "&&" is an ampersand, a single "&" marks the mnemonic.
QString visibleText(QString text) {
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    return text.replace(mnemonic, QStringLiteral("\\1"));
}

int mulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

// The width a control needs to show its whole text in its font, or 0 for a control that shows
// none of its own. The English texts fit the template; a translation may need more.
int widthNeeded(const QWidget& control, const DialogUnits& units) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->wordWrap() ? 0 : label->sizeHint().width();
    }
    if (qobject_cast<const QCheckBox*>(&control) != nullptr) {
        return control.sizeHint().width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        // The template's buttons leave at least four units on each side of the text.
        return button->fontMetrics().horizontalAdvance(visibleText(button->text())) +
               units.toPixelsX(8);
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        // The title starts past the frame's corner and needs as much room after it.
        return group->fontMetrics().horizontalAdvance(visibleText(group->title())) +
               units.toPixelsX(12);
    }
    return 0;
}

// Moves the controls beside a grown one, `before` being where it stood, by `grow` pixels to the
// right when it would now come closer to them than `gap`, so that a wider text never covers them.
void pushAside(const QList<QWidget*>& controls, const QRect& before, int grow, int gap) {
    const int right = before.right() + grow;
    for (QWidget* other : controls) {
        const QRect there = other->geometry();
        const bool beside = there.left() > before.right() && there.top() <= before.bottom() &&
                            there.bottom() >= before.top();
        if (beside && right + gap >= there.left()) {
            other->move(there.x() + grow, there.y());
        }
    }
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
    // Keep the template's left margin on the right of a control that had to grow.
    const int margin = units.toPixelsX(7);
    QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::sort(controls.begin(), controls.end(),
              [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    std::vector<QRect> placed;
    for (const QWidget* control : controls) {
        placed.push_back(control->geometry());
    }
    for (QWidget* control : controls) {
        const int grow = widthNeeded(*control, units) - control->width();
        if (grow > 0) {
            const QRect before = control->geometry();
            control->resize(before.width() + grow,
                            std::max(before.height(), control->sizeHint().height()));
            pushAside(controls, before, grow, units.toPixelsX(4));
        }
    }
    // Labels always count, as the template's own may reach past its width; any other control
    // only when it grew or was pushed aside.
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget* control = controls[i];
        if (qobject_cast<const QLabel*>(control) != nullptr ||
            control->geometry() != placed[static_cast<std::size_t>(i)]) {
            size.setWidth(std::max(size.width(), control->geometry().right() + 1 + margin));
        }
    }
    dialog.setFixedSize(size);
}
