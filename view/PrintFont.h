#pragma once

#include <QFont>

class QPaintDevice;

// The printing fonts: "Courier New" (or its metric-compatible substitute), weight 400, with a
// character height of 10 * (the device's vertical resolution in dots per inch) / divisor device
// pixels: divisor 80 is the 9-point body font, 60 the 12-point contract title.
inline constexpr int kBodyFontDivisor = 80;
inline constexpr int kTitleFontDivisor = 60;
QFont makePrintFont(QPaintDevice& device, int divisor = kBodyFontDivisor);

// Text height plus external leading of `font` on `device`: the printer's line pitch.
int printLineHeight(const QFont& font, QPaintDevice& device);
