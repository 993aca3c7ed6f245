#include "view/ListingPrinter.h"

// Placeholder until the listing print lands.
void PrintListingPage(QPainter&, QPagedPaintDevice&, const CRodeDoc&) {}
