#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>

// `text` laid out in lines at most `width` wide: between words where it can, anywhere in a word
// wider than the width. At most `mostLines` lines come back; a text longer still ends its last
// line with an ellipsis. Measured for `device` (the screen when null). Never empty: an empty text
// is one empty line.
//
// Inline because the odds charts module, which links no layer of the program, wraps its labels
// with it too.
inline QStringList wrappedLines(const QString& text, const QFont& font, int width, int mostLines,
                                const QPaintDevice* device = nullptr) {
    width = std::max(1, width);
    mostLines = std::max(1, mostLines);
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() + 1 == mostLines && line.textStart() + line.textLength() < text.size()) {
            const QFontMetrics metrics(font, device);
            lines << metrics.elidedText(text.mid(line.textStart()), Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (lines.isEmpty()) {
        lines << QString();
    }
    return lines;
}
