#pragma once

#include "view/PrintJob.h"

class ContractDocument;
class QPainter;
class QPagedPaintDevice;
class QPrinter;

// Paints the one-page listing on a printer or PDF device: the 9-point print font, labels at
// H/13, values at H/2, lines from the top of the printable area, the credit line at the foot.
// Print, /p, /pt and the PDF export all call this one routine.
void printListingPage(QPainter& painter, QPagedPaintDevice& device, const ContractDocument& doc);

// One print job of the listing on `printer`, set up by the caller (a dialog, a named printer, a
// PDF file): see runPrintJob, which never writes the document's own file. File > Print, /p, /pt
// and --export-pdf all print through here.
PrintOutcome printListingOn(QPrinter& printer, const ContractDocument& doc);
