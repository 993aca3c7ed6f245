#include <gtest/gtest.h>

#include <string>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "document/OfferTerms.h"
#include "listing/EditableLines.h"
#include "listing/ListingPlan.h"
#include "listing/TerminalText.h"

namespace {

// A document whose every field names its offer and field, so a wrong mapping shows.
void fillOffers(ContractDocument& doc) {
    for (std::size_t k = 0; k < doc.m_offers.size(); ++k) {
        for (std::size_t f = 0; f < ContractOffer::kFieldCount; ++f) {
            doc.m_offers[k].*ContractOffer::kFields[f] =
                "o" + std::to_string(k + 1) + "." + std::string(kOfferTerms[f].key);
        }
    }
}

class ListingPlanTest : public ::testing::Test {
protected:
    MemorySettings settings;
    ContractDocument doc{settings};
    void SetUp() override {
        doc.resetToUntitled();
        fillOffers(doc);
    }
};

TEST_F(ListingPlanTest, lastLineFollowsTheOfferCount) {
    const struct {
        int count;
        int lastLine;
    } rows[] = {{0, 2}, {1, 19}, {2, 36}, {3, 53}, {4, 70}, {7, 70}, {65535, 70}};
    for (const auto& row : rows) {
        doc.m_offerCount = row.count;
        ListingPlan plan(doc);
        EXPECT_EQ(plan.lastLine(), row.lastLine) << "count " << row.count;
        for (int i = 0; i < plan.lastLine(); ++i) {
            EXPECT_EQ(plan.lines()[static_cast<std::size_t>(i)].number, i + 1);
        }
    }
}

TEST_F(ListingPlanTest, countLineShowsTheCountAsStored) {
    doc.m_offerCount = 7;
    ListingPlan plan(doc);
    EXPECT_EQ(plan.lines()[1].label, "Contract Offers:");
    EXPECT_EQ(*plan.lines()[1].value, "7");
}

TEST_F(ListingPlanTest, headersSubHeadingsAndBlanksCarryNoValue) {
    doc.m_offerCount = 4;
    ListingPlan plan(doc);
    auto line = [&](int n) { return plan.lines()[static_cast<std::size_t>(n - 1)]; };
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(line(4 + 17 * k).label, offerHeader(k));
        EXPECT_FALSE(line(4 + 17 * k).value);
        EXPECT_EQ(line(9 + 17 * k).label, "     Support:");
        EXPECT_FALSE(line(9 + 17 * k).value);
        EXPECT_EQ(line(12 + 17 * k).label, "     Transport:");
        EXPECT_FALSE(line(12 + 17 * k).value);
        EXPECT_TRUE(line(3 + 17 * k).label.empty());
        EXPECT_FALSE(line(3 + 17 * k).value);
    }
    EXPECT_EQ(line(70).label, "     Location:");
    EXPECT_EQ(*line(70).value, "o4.location");
    EXPECT_EQ(line(8).label, "     Payment Mulitplier:");
}

TEST_F(ListingPlanTest, renderedTextPadsLabelsToThirtyFiveCharacters) {
    doc.m_rating = "B";
    doc.m_offerCount = 1;
    const std::string text = renderListingText(doc);
    const std::string expectedStart =
        "Dragoon's Rating:                  B\n"
        "Contract Offers:                   1\n"
        "\n"
        "First Contract:\n"
        "     Employer:                     o1.employer\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(text.find("\n     Support:\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 47), "     Location:                     o1.location\n");
}

TEST_F(ListingPlanTest, emptyDocumentRendersTwoLines) {
    EXPECT_EQ(renderListingText(doc),
              "Dragoon's Rating:                  D\nContract Offers:                   0\n");
}

TEST(visibleControls, spellsOutControlsAndBadBytesAndKeepsEverythingElse) {
    const struct {
        std::string text;
        std::string shown;
    } rows[] = {
        {"Wolf's \\ 50% Ω €", "Wolf's \\ 50% Ω €"},
        {"\x1b]0;pwned\x07\x7f", "\\x1b]0;pwned\\x07\\x7f"},
        {std::string("a\nb\t\0", 5), "a\\x0ab\\x09\\x00"},  // a line feed cannot forge a line
        {"\xc2\x9b[6n", "\\u009b[6n"},                      // C1 CSI, as UTF-8
        {"\x9b[6n\xc3(", "\\x9b[6n\\xc3("},                 // bytes that are not UTF-8
    };
    for (const auto& row : rows) {
        EXPECT_EQ(visibleControls(row.text), row.shown) << row.text;
    }
}

// ---- line editing map ---------------------------------------------------------------------

TEST_F(ListingPlanTest, ratingLineIsAlwaysEditableWithABarePrompt) {
    doc.m_offerCount = 0;
    auto line = findEditableLine(doc, 1);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->field, &doc.m_rating);
    EXPECT_EQ(line->prompt, "Dragoon's Rating");
}

TEST_F(ListingPlanTest, editableLinesMapToTheirFieldsAndPrompts) {
    doc.m_offerCount = 4;
    const struct {
        int line;
        std::string prompt;
    } rows[] = {
        {5, "Employer: o1.employer"},
        {7, "Length of Contract: o1.contractLength"},
        {8, "Payment Modifier: o1.paymentMultiplier"},
        {10, "Straight Support: o1.straightSupport"},
        {11, "Battle-Loss Compensation: o1.battleLossCompensation"},
        {13, "DS/JS Compensation: o1.dsjsCompensation"},
        {14, "Commercial Compensation: o1.commercialCompensation"},
        {15, "Salvage Rights: o1.salvageRights"},
        {16, "Command Rights: o1.commandRights"},
        {17, "Start Date: o1.startDate"},
        {18, "End Date: o1.endDate"},
        {19, "Location: o1.location"},
        {24, "Contract Length: o2.contractLength"},
        {23, "Assignment: o2.assignment"},
        {36, "Location: o2.location"},
        {41, "Length of Contract: o3.contractLength"},
        {58, "Length of Contract: o4.contractLength"},
        {70, "Location: o4.location"},
    };
    for (const auto& row : rows) {
        auto line = findEditableLine(doc, row.line);
        ASSERT_TRUE(line) << row.line;
        EXPECT_EQ(line->prompt, row.prompt) << row.line;
        EXPECT_EQ(line->prompt.substr(line->prompt.find(": ") + 2), *line->field);
    }
}

TEST_F(ListingPlanTest, nonValueLinesAreNotEditable) {
    doc.m_offerCount = 4;
    for (int line : {-5, 0, 2, 3, 4, 9, 12, 20, 21, 26, 29, 37, 38, 54, 55, 71, 72, 1000}) {
        EXPECT_FALSE(findEditableLine(doc, line)) << line;
    }
}

TEST_F(ListingPlanTest, linesOfOffersBeyondTheCountAreNotEditable) {
    doc.m_offerCount = 2;
    EXPECT_TRUE(findEditableLine(doc, 36));
    EXPECT_FALSE(findEditableLine(doc, 39));
    doc.m_offerCount = 0;
    EXPECT_FALSE(findEditableLine(doc, 5));
    doc.m_offerCount = 9;  // a count from a file shows four offers
    EXPECT_TRUE(findEditableLine(doc, 70));
}

TEST(lineAtY, addsTheScrollPositionBeforeDividing) {
    EXPECT_EQ(lineAtY(0, 0, 16), 0);
    EXPECT_EQ(lineAtY(15, 0, 16), 0);
    EXPECT_EQ(lineAtY(16, 0, 16), 1);
    EXPECT_EQ(lineAtY(31, 0, 16), 1);
    EXPECT_EQ(lineAtY(16, 320, 16), 21);
    EXPECT_EQ(lineAtY(100, 0, 0), 0);
}

}  // namespace

// Each line is read aloud by its value's name (the label where it has none) and its value; a
// reader gets a huge value cut as a contract prints it, never hundreds of megabytes at once.
TEST_F(ListingPlanTest, spokenLinesNameTheirValueAndCutAHugeOne) {
    doc.m_offerCount = 1;
    doc.m_offers[0].location = std::string(3000, 'x') + "\xC3\xA9" + std::string(1999, 'y');
    const ListingPlan plan(doc);
    const struct {
        int line;
        std::string spoken;
    } rows[] = {
        {1, "Rating: D"},
        {2, "Contract Offers: 1"},
        {3, ""},
        {4, "First Contract"},
        {8, "Payment Multiplier: o1.paymentMultiplier"},
        {9, "Support"},
        {19, "Location: " + std::string(3000, 'x') + "\xE2\x80\xA6 (cut: 5,000 characters in all)"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(spokenLine(*plan.find(row.line)), row.spoken) << row.line;
    }
}
