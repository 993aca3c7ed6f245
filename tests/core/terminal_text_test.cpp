#include <gtest/gtest.h>

#include <algorithm>

#include "doc/CRodeDoc.h"
#include "doc/MemorySettings.h"
#include "view/ListingPlan.h"
#include "view/TerminalText.h"

namespace {

TEST(VisibleControls, spellsOutEveryControlAndBadByteAndKeepsTheRest) {
    const struct {
        std::string text;
        std::string shown;
    } rows[] = {
        {"", ""},
        {"Wolf's Dragoons \\ 50%", "Wolf's Dragoons \\ 50%"},
        {"\x1b[2J", "\\x1b[2J"},
        {"title\x1b]0;pwned\x07", "title\\x1b]0;pwned\\x07"},
        {"a\nb\tc\rd", "a\\x0ab\\x09c\\x0dd"},
        {std::string("nul\0", 4), "nul\\x00"},
        {"\x7f", "\\x7f"},
        {"\xc2\x9b"
         "6n \xc2\x9d",
         "\\u009b6n \\u009d"},  // C1 CSI and OSC as UTF-8
        {"\x9b"
         "6n \xff\xc3(",
         "\\x9b6n \\xff\\xc3("},  // bytes that are not UTF-8
        {"Ω € \xc2\xa0 \xf0\x9f\x8e\xb2", "Ω € \xc2\xa0 \xf0\x9f\x8e\xb2"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(VisibleControls(row.text), row.shown) << row.text;
    }
}

// A line feed inside a value cannot forge a listing line, and only values are touched.
TEST(VisibleControls, listingForATerminalKeepsItsLinesAndPipesGetTheBytes) {
    MemorySettings settings;
    CRodeDoc doc(settings, 1);
    doc.OnNewDocument();
    doc.m_rating = "B\x1b[2J";
    doc.m_offerCount = 1;
    doc.m_offers[0].employer = "Evil\nDragoon's Rating:                  A";

    const std::string stored = RenderListingText(doc);
    const std::string shown = RenderListingText(doc, ValueControls::Visible);
    EXPECT_NE(stored.find("B\x1b[2J\n"), std::string::npos);
    EXPECT_NE(shown.find("Dragoon's Rating:                  B\\x1b[2J\n"), std::string::npos);
    EXPECT_NE(shown.find("     Employer:                     Evil\\x0aDragoon's"),
              std::string::npos);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'),
              std::count(stored.begin(), stored.end(), '\n') - 1);
    EXPECT_EQ(shown.find('\x1b'), std::string::npos);
}

}  // namespace
