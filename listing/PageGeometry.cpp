#include "listing/PageGeometry.h"

namespace {
int bottomLimit(int printableHeight) {
    return printableHeight - printableHeight / 44;
}
}  // namespace

ListingPageGeometry computeListingPage(int printableWidth, int printableHeight, int lineHeight) {
    ListingPageGeometry page;
    page.labelX = printableWidth / 13;
    page.valueX = printableWidth / 2;
    page.bottomLimit = bottomLimit(printableHeight);
    page.credit = {0, page.bottomLimit - lineHeight, printableWidth, page.bottomLimit};
    return page;
}

ContractPageGeometry computeContractPage(int printableWidth, int printableHeight, int lineHeight,
                                         int titleLineHeight) {
    ContractPageGeometry page;
    page.left = printableWidth / 13;
    page.right = printableWidth - printableWidth / 13;
    page.top = printableHeight / 22;
    page.bottom = bottomLimit(printableHeight);
    page.title = {page.left, page.top, page.right, page.top + titleLineHeight};
    page.body = {page.left, page.top + titleLineHeight, page.right, page.bottom - 15 * lineHeight};
    page.signature = {page.left, page.bottom - 15 * lineHeight, page.right,
                      page.bottom - lineHeight};
    page.credit = {0, page.bottom - lineHeight, printableWidth, page.bottom};
    return page;
}
