#pragma once

// Page layout in printer device units (pixels of the printable area, origin top-left), from the
// printable width H and height V in device pixels. Integer division throughout: every position
// is a whole device pixel, cut down, never rounded.

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PageRect&) const = default;
};

// The one-page listing: labels at H/13, values at H/2, the credit line in the last line pitch
// above the bottom limit B = V - V/44.
struct ListingPageGeometry {
    int labelX = 0;
    int valueX = 0;
    int bottomLimit = 0;
    PageRect credit;
};
ListingPageGeometry computeListingPage(int printableWidth, int printableHeight, int lineHeight);

// A formal contract page. lh is the body font's line pitch, lhT the title font's.
struct ContractPageGeometry {
    int left = 0;        // L = H/13
    int right = 0;       // R = H - H/13
    int top = 0;         // T = V/22
    int bottom = 0;      // B = V - V/44
    PageRect title;      // L, T, R, T + lhT
    PageRect body;       // L, T + lhT, R, B - 15 lh
    PageRect signature;  // L, B - 15 lh, R, B - lh
    PageRect credit;     // 0, B - lh, H, B
};
ContractPageGeometry computeContractPage(int printableWidth, int printableHeight, int lineHeight,
                                         int titleLineHeight);
