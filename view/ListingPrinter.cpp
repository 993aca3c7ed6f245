#include "view/ListingPrinter.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include "document/ContractDocument.h"
#include "listing/ContractText.h"
#include "listing/PageGeometry.h"
#include "view/DrawListing.h"
#include "view/PrintFont.h"

void printListingPage(QPainter& painter, QPagedPaintDevice& device, const ContractDocument& doc) {
    // Begin: the 9-point print font and its pitch on this device.
    const QFont printFont = makePrintFont(device, kBodyFontDivisor);
    const int lineHeight = printLineHeight(printFont, device);

    painter.save();
    painter.setFont(printFont);
    painter.setPen(Qt::black);

    // The device's width and height are the printable area in device pixels.
    const int printableWidth = device.width();
    const int printableHeight = device.height();
    const ListingPageGeometry page =
        computeListingPage(printableWidth, printableHeight, lineHeight);
    drawListing(painter, doc, page.labelX, page.valueX, lineHeight, 0, printableWidth);

    const QRect credit(QPoint(page.credit.left, page.credit.top),
                       QPoint(page.credit.right - 1, page.credit.bottom - 1));
    painter.drawText(credit, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromStdString(creditLine()));

    // End: the previous font comes back; the print font goes with this scope.
    painter.restore();
}

PrintOutcome printListingOn(QPrinter& printer, const ContractDocument& doc) {
    // The listing is drawn from the top-left of the printable area, so the page's margins are
    // the printer's own.
    printer.setFullPage(false);
    return runPrintJob(printer, QString::fromStdString(doc.pathName()),
                       [&doc](QPainter& painter, QPagedPaintDevice& device) {
                           printListingPage(painter, device, doc);
                       });
}
