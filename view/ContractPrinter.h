#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <array>
#include <vector>

#include "listing/PageGeometry.h"
#include "view/PrintJob.h"

class ContractDocument;
class QPaintDevice;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
struct ContractOffer;
class SettingsStore;

// One line of a wrapped text block, as it is drawn: its text (without the line break) and the
// rectangle of its line pitch, in device units.
struct PlacedLine {
    QString text;
    QRectF box;
};

// Breaks `text` at its line feeds and wraps it at word boundaries (inside a word only when a
// word is wider than the block) to the width of `block`. Line n is at block.top + n * lineHeight.
// Lines that begin at or below block.bottom are dropped: a contract never runs onto a second
// page. With `centred` each line is centred between block.left and block.right.
std::vector<PlacedLine> placeTextLines(const QString& text, const QFont& font, QPaintDevice& device,
                                       const PageRect& block, int lineHeight, bool centred);

// Everything one contract page shows, laid out for `device` (its printable width and height and
// its vertical resolution are read from it).
struct ContractPageLayout {
    ContractPageGeometry geometry;
    QFont bodyFont;
    QFont titleFont;
    int lineHeight = 0;       // lh
    int titleLineHeight = 0;  // lhT
    std::vector<PlacedLine> body;
    std::vector<PlacedLine> signature;
};
ContractPageLayout layOutContractPage(QPaintDevice& device, const ContractOffer& offer,
                                      SettingsStore& settings);

// Paints one contract page (title, clauses, signature block, credit line) on the current page.
void paintContractPage(QPainter& painter, const ContractPageLayout& layout);

// Paints one page per ticked offer, first offer first, starting on the device's current page.
// The painter must be active on `device`. Nothing is painted when no offer is ticked.
void printContractPages(QPainter& painter, QPagedPaintDevice& device, const ContractDocument& doc,
                        const std::array<bool, 4>& ticked);

// One print job of the ticked offers' contracts on `printer` (see printListingOn).
PrintOutcome printContractsOn(QPrinter& printer, const ContractDocument& doc,
                              const std::array<bool, 4>& ticked);
