#include "view/ContractPrinter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <QTextOption>
#include <string>
#include <string_view>

#include "document/ContractDocument.h"
#include "listing/ContractPieces.h"
#include "listing/ContractText.h"
#include "view/PrintFont.h"

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRectF toRectF(const PageRect& rect) {
    return QRectF(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// The text of one laid-out line without its line break and the blanks it was broken at, so that
// centring measures only what is printed.
QString visibleText(const QString& text, const QTextLine& line) {
    QString visible = text.mid(line.textStart(), line.textLength());
    qsizetype end = visible.size();
    while (end > 0 && (visible[end - 1].isSpace() || visible[end - 1] == QChar::LineSeparator)) {
        --end;
    }
    visible.truncate(end);
    return visible;
}

}  // namespace

std::vector<PlacedLine> placeTextLines(const QString& text, const QFont& font, QPaintDevice& device,
                                       const PageRect& block, int lineHeight, bool centred) {
    QString prepared = text;
    prepared.replace(QLatin1Char('\n'), QChar::LineSeparator);

    QTextLayout layout(prepared, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);

    const QFontMetricsF metrics(font, &device);
    const qreal width = block.right - block.left;
    std::vector<PlacedLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        const int top = block.top + static_cast<int>(lines.size()) * lineHeight;
        if (lineHeight <= 0 || top >= block.bottom) {
            break;
        }
        line.setLineWidth(width);
        QString visible = visibleText(prepared, line);
        if (centred) {
            const qreal advance = metrics.horizontalAdvance(visible);
            lines.push_back(
                {visible, QRectF(block.left + (width - advance) / 2, top, advance, lineHeight)});
        } else {
            lines.push_back({visible, QRectF(block.left, top, width, lineHeight)});
        }
    }
    layout.endLayout();
    return lines;
}

ContractPageLayout layOutContractPage(QPaintDevice& device, const ContractOffer& offer,
                                      SettingsStore& settings) {
    ContractPageLayout page;
    page.bodyFont = makePrintFont(device, kBodyFontDivisor);
    page.titleFont = makePrintFont(device, kTitleFontDivisor);
    page.lineHeight = printLineHeight(page.bodyFont, device);
    page.titleLineHeight = printLineHeight(page.titleFont, device);
    page.geometry =
        computeContractPage(device.width(), device.height(), page.lineHeight, page.titleLineHeight);
    page.body = placeTextLines(toQString(composeContractText(offer, settings)), page.bodyFont,
                               device, page.geometry.body, page.lineHeight, false);
    page.signature = placeTextLines(toQString(contractSignatureBlock()), page.bodyFont, device,
                                    page.geometry.signature, page.lineHeight, true);
    return page;
}

void paintContractPage(QPainter& painter, const ContractPageLayout& layout) {
    constexpr int kCentredLine = Qt::AlignCenter | Qt::TextSingleLine;
    const ContractPageGeometry& page = layout.geometry;
    // Every line's baseline sits the body font's ascent below the top of its pitch, whatever
    // fonts its characters need: a fallback font with a taller ascent (CJK, say) must not push
    // its line down into the next one.
    const qreal ascent = QFontMetricsF(layout.bodyFont, painter.device()).ascent();

    painter.save();
    painter.setPen(Qt::black);

    painter.setFont(layout.titleFont);
    painter.drawText(toRectF(page.title), kCentredLine, toQString(contract::kTitle));

    painter.setFont(layout.bodyFont);
    // Each block is clipped to its band, so a last line cut by the band's bottom edge never
    // reaches into the next one.
    const std::pair<const std::vector<PlacedLine>*, PageRect> blocks[] = {
        {&layout.body, page.body},
        {&layout.signature, page.signature},
    };
    for (const auto& [lines, band] : blocks) {
        painter.setClipRect(toRectF(band));
        for (const PlacedLine& line : *lines) {
            painter.drawText(QPointF(line.box.left(), line.box.top() + ascent), line.text);
        }
    }
    painter.setClipping(false);

    painter.drawText(toRectF(page.credit), kCentredLine, toQString(creditLine()));
    painter.restore();
}

void printContractPages(QPainter& painter, QPagedPaintDevice& device, const ContractDocument& doc,
                        const std::array<bool, 4>& ticked) {
    bool firstPage = true;
    for (std::size_t k = 0; k < ticked.size(); ++k) {
        if (!ticked[k]) {
            continue;
        }
        if (!firstPage) {
            device.newPage();
        }
        firstPage = false;
        paintContractPage(painter, layOutContractPage(device, doc.m_offers[k], doc.settings()));
    }
}

PrintOutcome printContractsOn(QPrinter& printer, const ContractDocument& doc,
                              const std::array<bool, 4>& ticked) {
    return runPrintJob(printer, QString::fromStdString(doc.pathName()),
                       [&doc, &ticked](QPainter& painter, QPagedPaintDevice& device) {
                           printContractPages(painter, device, doc, ticked);
                       });
}
