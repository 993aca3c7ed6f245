#pragma once

#include <QDate>
#include <QLocale>

#include "view/PrintJob.h"

class ContractDocument;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

// Paints the offers side by side on one page (view/OfferDetails.h): a heading with the unit's
// name (the "Unit Name" setting) and `date`, then one column per offer with the ten terms and
// what each offer pays, the best total in bold. A table too long for the page is drawn smaller.
// File > Print Offer Details and --export-details both call this one routine.
void printOfferDetailsPage(QPainter& painter, QPagedPaintDevice& device,
                           const ContractDocument& doc, const QDate& date,
                           const QLocale& locale = QLocale());

// One print job of the details page, dated `date`, on `printer` (see printListingOn).
PrintOutcome printOfferDetailsOn(QPrinter& printer, const ContractDocument& doc, const QDate& date);
