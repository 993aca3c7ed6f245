#include <gtest/gtest.h>

#include "listing/PageGeometry.h"

namespace {

// Known answers worked out by hand for two printable areas at 600 dpi, with a body line pitch of
// 85 and a title line pitch of 113 device pixels (about what a 9- and a 12-point font give there).
//   A4     4961 x 7016: L = 381, R = 4580, T = 318, B = 7016 - 159 = 6857
//   Letter 5100 x 6600: L = 392, R = 4708, T = 300, B = 6600 - 150 = 6450
struct PageCase {
    const char* name;
    int printableWidth;
    int printableHeight;
    int lineHeight;
    int titleLineHeight;
    ContractPageGeometry contract;
    ListingPageGeometry listing;
};

// clang-format off
const PageCase kPages[] = {
    {"A4 at 600 dpi", 4961, 7016, 85, 113,
     {381, 4580, 318, 6857,
      {381, 318, 4580, 431},      // title:     T .. T + lhT
      {381, 431, 4580, 5582},     // body:      T + lhT .. B - 15 lh
      {381, 5582, 4580, 6772},    // signature: B - 15 lh .. B - lh
      {0, 6772, 4961, 6857}},     // credit:    full width, B - lh .. B
     {381, 2480, 6857, {0, 6772, 4961, 6857}}},
    {"Letter at 600 dpi", 5100, 6600, 85, 113,
     {392, 4708, 300, 6450,
      {392, 300, 4708, 413},
      {392, 413, 4708, 5175},
      {392, 5175, 4708, 6365},
      {0, 6365, 5100, 6450}},
     {392, 2550, 6450, {0, 6365, 5100, 6450}}},
};
// clang-format on

TEST(PageGeometryTest, contractPageMatchesHandComputedRectangles) {
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        const ContractPageGeometry got = computeContractPage(
            page.printableWidth, page.printableHeight, page.lineHeight, page.titleLineHeight);
        EXPECT_EQ(got.left, page.contract.left);
        EXPECT_EQ(got.right, page.contract.right);
        EXPECT_EQ(got.top, page.contract.top);
        EXPECT_EQ(got.bottom, page.contract.bottom);
        EXPECT_EQ(got.title, page.contract.title);
        EXPECT_EQ(got.body, page.contract.body);
        EXPECT_EQ(got.signature, page.contract.signature);
        EXPECT_EQ(got.credit, page.contract.credit);
    }
}

TEST(PageGeometryTest, listingPageMatchesHandComputedColumnsAndCredit) {
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        const ListingPageGeometry got =
            computeListingPage(page.printableWidth, page.printableHeight, page.lineHeight);
        EXPECT_EQ(got.labelX, page.listing.labelX);
        EXPECT_EQ(got.valueX, page.listing.valueX);
        EXPECT_EQ(got.bottomLimit, page.listing.bottomLimit);
        EXPECT_EQ(got.credit, page.listing.credit);
    }
}

}  // namespace
