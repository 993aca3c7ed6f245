#pragma once

class ContractDocument;
class QPainter;
class QPagedPaintDevice;

// Paints the one-page listing on a printer or PDF device: the 9-point print font, labels at
// H/13, values at H/2, lines from the top of the printable area, the credit line at the foot.
// Print, /p, /pt and the PDF export all call this one routine.
void printListingPage(QPainter& painter, QPagedPaintDevice& device, const ContractDocument& doc);
