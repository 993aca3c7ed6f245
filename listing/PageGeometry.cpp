#include "listing/PageGeometry.h"

namespace {
int bottomLimit(int vertRes) {
    return vertRes - vertRes / 44;
}
}  // namespace

ListingPageGeometry computeListingPage(int horzRes, int vertRes, int lineHeight) {
    ListingPageGeometry page;
    page.labelX = horzRes / 13;
    page.valueX = horzRes / 2;
    page.bottomLimit = bottomLimit(vertRes);
    page.credit = {0, page.bottomLimit - lineHeight, horzRes, page.bottomLimit};
    return page;
}

ContractPageGeometry computeContractPage(int horzRes, int vertRes, int lineHeight,
                                         int titleLineHeight) {
    ContractPageGeometry page;
    page.left = horzRes / 13;
    page.right = horzRes - horzRes / 13;
    page.top = vertRes / 22;
    page.bottom = bottomLimit(vertRes);
    page.title = {page.left, page.top, page.right, page.top + titleLineHeight};
    page.body = {page.left, page.top + titleLineHeight, page.right, page.bottom - 15 * lineHeight};
    page.signature = {page.left, page.bottom - 15 * lineHeight, page.right,
                      page.bottom - lineHeight};
    page.credit = {0, page.bottom - lineHeight, horzRes, page.bottom};
    return page;
}
