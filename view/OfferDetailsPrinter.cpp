#include "view/OfferDetailsPrinter.h"

#include <QFontMetrics>
#include <QObject>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>

#include "document/ContractDocument.h"
#include "document/SettingsStore.h"
#include "view/OfferDetails.h"
#include "view/WrappedLines.h"

namespace {

// Point sizes; the fonts are sized for the device's resolution.
constexpr int kBodyPoints = 9;
constexpr int kTitlePoints = 14;
// A cell wraps to at most this many lines; what does not fit ends in an ellipsis.
constexpr int kMostCellLines = 3;
// The label column takes at most this share of the width.
constexpr double kWidestLabelShare = 0.22;

QFont pageFont(QPaintDevice& device, int points, bool bold) {
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, points * device.logicalDpiY() / 72));
    font.setBold(bold);
    return font;
}

// A cell's text wrapped as wrappedLines() does, joined by line breaks: ready to draw without
// further wrapping.
QString fittedLines(const QFont& font, const QPaintDevice& device, int width, const QString& text) {
    return wrappedLines(text, font, width, kMostCellLines, &device).join(QLatin1Char('\n'));
}

// The font at which `text` fits `width` on one line: amounts shrink rather than lose digits.
QFont fittedFont(const QFont& font, const QPaintDevice& device, int width, const QString& text) {
    QFont fitted = font;
    for (int size = font.pixelSize(); size > 1; --size) {
        fitted.setPixelSize(size);
        if (QFontMetrics(fitted, &device).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return fitted;
}

// The height of `lines` drawn one under another.
int linesHeight(const QFontMetrics& metrics, const QString& lines) {
    return static_cast<int>(lines.count(QLatin1Char('\n')) + 1) * metrics.lineSpacing();
}

// The table's rows laid out for one width: each cell's text (wrapped, or an amount whole on one
// line) and font, and each row's height.
struct TableLayout {
    int labelWidth = 0;
    int columnWidth = 0;
    std::vector<QString> labels;
    std::vector<std::vector<QString>> texts;
    std::vector<std::vector<QFont>> fonts;
    std::vector<int> rowHeights;
    int height = 0;  // the offers' names and every row
};

TableLayout layOutTable(const OfferDetails& details, const QFont& body, const QFont& bold,
                        const QPaintDevice& device, int width) {
    const QFontMetrics metrics(body, &device);
    const QFontMetrics boldMetrics(bold, &device);
    const int pad = metrics.averageCharWidth();
    const int lineHeight = metrics.lineSpacing();
    TableLayout table;
    // The columns: the labels as wide as the widest (within its share), the offers alike.
    for (const OfferDetailsRow& row : details.rows) {
        table.labelWidth =
            std::max(table.labelWidth, boldMetrics.horizontalAdvance(row.label) + 2 * pad);
    }
    table.labelWidth = std::min(table.labelWidth, static_cast<int>(width * kWidestLabelShare));
    const int offers = static_cast<int>(details.offers.size());
    table.columnWidth = offers > 0 ? (width - table.labelWidth) / offers : 0;
    table.height = lineHeight;
    for (const OfferDetailsRow& row : details.rows) {
        table.labels.push_back(fittedLines(bold, device, table.labelWidth - pad, row.label));
        int rowHeight = linesHeight(boldMetrics, table.labels.back());
        // The terms wrap; the pay rows hold amounts, kept whole on one line at a smaller font.
        const bool amounts = row.field == nullptr;
        std::vector<QString>& texts = table.texts.emplace_back();
        std::vector<QFont>& fonts = table.fonts.emplace_back();
        for (const OfferDetailsCell& cell : row.cells) {
            const QFont& font = cell.best ? bold : body;
            const int cellWidth = table.columnWidth - 2 * pad;
            texts.push_back(amounts ? cell.text : fittedLines(font, device, cellWidth, cell.text));
            fonts.push_back(amounts ? fittedFont(font, device, cellWidth, cell.text) : font);
            rowHeight = std::max(rowHeight, linesHeight(QFontMetrics(font, &device), texts.back()));
        }
        table.rowHeights.push_back(rowHeight + lineHeight / 3);
        table.height += table.rowHeights.back();
    }
    return table;
}

}  // namespace

void printOfferDetailsPage(QPainter& painter, QPagedPaintDevice& device,
                           const ContractDocument& doc, const QDate& date, const QLocale& locale) {
    const OfferDetails details = buildOfferDetails(doc, locale, DetailsWords::Document);
    const QFont body = pageFont(device, kBodyPoints, false);
    const QFont bold = pageFont(device, kBodyPoints, true);
    const QFont title = pageFont(device, kTitlePoints, true);
    const QFontMetrics metrics(body, &device);
    const QFontMetrics boldMetrics(bold, &device);
    const int pad = metrics.averageCharWidth();
    const int lineHeight = metrics.lineSpacing();
    const int titleHeight = QFontMetrics(title, &device).lineSpacing();
    const int headingHeight = titleHeight + 3 * lineHeight;

    // A table longer than the page (a small page, long texts in every cell) is drawn smaller, as
    // a whole: laid out again for the wider page the smaller scale gives, it is never longer.
    int width = device.width();
    int height = device.height();
    TableLayout table = layOutTable(details, body, bold, device, width);
    painter.save();
    if (const int needed = headingHeight + table.height; needed > height) {
        const double scale = static_cast<double>(height) / needed;
        painter.scale(scale, scale);
        width = static_cast<int>(width / scale);
        height = static_cast<int>(height / scale);
        table = layOutTable(details, body, bold, device, width);
    }
    painter.setPen(Qt::black);

    // The heading: what the page is, for whom, when, and the offers' rating and count.
    int y = 0;
    painter.setFont(title);
    painter.drawText(QRect(0, y, width, titleHeight), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Offer Details"));
    y += titleHeight;
    painter.setFont(body);
    const QString unit = QString::fromStdString(
        doc.settings().readText(settings::kSection, settings::kUnitName, std::string()));
    const QString dateText = locale.toString(date, QLocale::LongFormat);
    const QString subtitle = unit.isEmpty() ? dateText : unit + QStringLiteral(", ") + dateText;
    painter.drawText(QRect(0, y, width, lineHeight), Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(subtitle, Qt::ElideRight, width));
    y += lineHeight;
    painter.drawText(QRect(0, y, width, lineHeight), Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(details.summary, Qt::ElideRight, width));
    y += 2 * lineHeight;

    const int columnWidth = table.columnWidth;
    const auto columnLeft = [&](int k) { return table.labelWidth + k * columnWidth; };
    const QPen rule(Qt::black, std::max(1, device.logicalDpiY() / 144));
    const QPen thinRule(Qt::gray, std::max(1, device.logicalDpiY() / 300));

    painter.setFont(bold);
    const int offers = static_cast<int>(details.offers.size());
    for (int k = 0; k < offers; ++k) {
        painter.drawText(
            QRect(columnLeft(k) + pad, y, columnWidth - 2 * pad, lineHeight),
            Qt::AlignLeft | Qt::AlignTop,
            boldMetrics.elidedText(details.offers[k], Qt::ElideRight, columnWidth - 2 * pad));
    }
    y += lineHeight;
    painter.setPen(rule);
    painter.drawLine(0, y, width, y);

    for (std::size_t r = 0; r < details.rows.size(); ++r) {
        const bool amounts = details.rows[r].field == nullptr;
        const int rowHeight = table.rowHeights[r];
        painter.setPen(Qt::black);
        painter.setFont(bold);
        painter.drawText(QRect(0, y + lineHeight / 6, table.labelWidth - pad, rowHeight),
                         Qt::AlignLeft | Qt::AlignTop, table.labels[r]);
        for (std::size_t k = 0; k < table.texts[r].size(); ++k) {
            painter.setFont(table.fonts[r][k]);
            const int left = columnLeft(static_cast<int>(k));
            const Qt::Alignment align = amounts ? Qt::AlignRight : Qt::AlignLeft;
            painter.drawText(QRect(left + pad, y + lineHeight / 6, columnWidth - 2 * pad,
                                   rowHeight - lineHeight / 3),
                             static_cast<int>(align | Qt::AlignTop), table.texts[r][k]);
        }
        y += rowHeight;
        // A heavier rule between the terms and the pay.
        painter.setPen(static_cast<int>(r) + 1 == kFirstPayRow ? rule : thinRule);
        painter.drawLine(0, y, width, y);
    }
    painter.restore();
}

PrintOutcome printOfferDetailsOn(QPrinter& printer, const ContractDocument& doc,
                                 const QDate& date) {
    printer.setFullPage(false);
    return runPrintJob(printer, QString::fromStdString(doc.pathName()),
                       [&doc, &date](QPainter& painter, QPagedPaintDevice& device) {
                           printOfferDetailsPage(painter, device, doc, date);
                       });
}
