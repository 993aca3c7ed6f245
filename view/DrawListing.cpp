#include "view/DrawListing.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "document/Cp1252.h"
#include "listing/ListingPlan.h"

namespace {

// Characters kept past the right edge: glyphs that overhang, kern or combine backwards.
constexpr int kSlackChars = 8;

// Cuts a UTF-8 text to at most `maxBytes` bytes without splitting a character.
std::string_view cutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t end = maxBytes;
    while (end > 0 && isUtf8Continuation(text[end])) {
        --end;
    }
    return text.substr(0, end);
}

}  // namespace

QString visibleText(std::string_view utf8, const QFontMetrics& metrics, int room) {
    if (room <= 0) {
        return {};
    }
    // No visible glyph is narrower than one pixel, so `room` characters (plus slack) always fill
    // the room; a UTF-8 character takes at most four bytes.
    const std::size_t maxChars = static_cast<std::size_t>(room) + kSlackChars;
    const QString head = QString::fromUtf8(cutUtf8(utf8, maxChars * 4));

    long long used = 0;
    qsizetype i = 0;
    while (i < head.size() && used <= room) {
        if (head.at(i).isHighSurrogate() && i + 1 < head.size()) {
            used += metrics.horizontalAdvance(head.mid(i, 2));
            i += 2;
        } else {
            used += metrics.horizontalAdvance(head.at(i));
            ++i;
        }
    }
    for (int extra = 0; extra < kSlackChars && i < head.size(); ++extra) {
        i += head.at(i).isHighSurrogate() && i + 1 < head.size() ? 2 : 1;
    }
    return head.left(i);
}

void drawListing(QPainter& painter, const ContractDocument& doc, int labelX, int valueX,
                 int lineHeight, int top, int rightEdge) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int ascent = metrics.ascent();
    const ListingPlan plan(doc);
    for (const ListingLine& line : plan.lines()) {
        const int baseline = top + line.number * lineHeight + ascent;
        if (!line.label.empty()) {
            painter.drawText(QPoint(labelX, baseline),
                             visibleText(line.label, metrics, rightEdge - labelX));
        }
        if (line.value && !line.value->empty()) {
            painter.drawText(QPoint(valueX, baseline),
                             visibleText(*line.value, metrics, rightEdge - valueX));
        }
    }
}
