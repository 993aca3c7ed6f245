#pragma once

#include <QString>
#include <climits>
#include <string_view>

class ContractDocument;
class QFontMetrics;
class QPainter;

// Draws the offer listing from the shared line plan with the painter's current font and pen:
// labels at labelX, values at valueX, the text top of line n at top + n * lineHeight. Nothing
// but the texts is drawn (no clearing, no boxes), so the same routine serves screen and paper.
//
// rightEdge is the first x that can no longer be seen (the viewport's or the page's width). A
// value is laid out only up to a little past it, so a value of many megabytes costs no more than
// one that fills the line; the pixels that can be seen are the same as for the whole text.
void drawListing(QPainter& painter, const ContractDocument& doc, int labelX, int valueX,
                 int lineHeight, int top = 0, int rightEdge = INT_MAX);

// The leading part of a UTF-8 text that can show in `room` pixels with these metrics, plus a few
// characters of slack for kerning and combining marks. The whole text when it is short.
QString visibleText(std::string_view utf8, const QFontMetrics& metrics, int room);
