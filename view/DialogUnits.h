#pragma once

#include <QRect>
#include <QSize>

class QDialog;
class QFont;
class QWidget;

// A rectangle in dialog units: x and width in quarters of the average character width, y and
// height in eighths of the character height of the dialog's font.
struct DluRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Converts the dialogs' unit geometry into pixels for one font, so that the arrangement keeps its
// proportions whatever font the desktop gives the dialogs.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int baseWidth() const { return m_baseWidth; }
    int baseHeight() const { return m_baseHeight; }

    // Rounded to the nearest pixel.
    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(const DluRect& rect) const;
    QSize toPixels(int width, int height) const;

private:
    int m_baseWidth;
    int m_baseHeight;
};

// Places `widget` at `rect`. A control whose natural height differs from the unit height (a
// combo box, whose unit height includes its drop-down list) keeps its natural height.
void placeControl(QWidget& widget, const DialogUnits& units, const DluRect& rect,
                  bool naturalHeight = false);

// Widens any label whose text would be cut, then fixes the dialog at its unit size, grown where
// a widened label would otherwise reach past the edge.
void finishDialogGeometry(QDialog& dialog, const DialogUnits& units, int width, int height);
