#include "view/PrintFont.h"

#include <QFontMetrics>
#include <QPaintDevice>

QFont makePrintFont(QPaintDevice& device, int divisor) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    // GDI's negative height is the character height; truncation toward zero as there.
    font.setPixelSize(qMax(1, (10 * device.logicalDpiY()) / divisor));
    return font;
}

int printLineHeight(const QFont& font, QPaintDevice& device) {
    return QFontMetrics(font, &device).lineSpacing();
}
