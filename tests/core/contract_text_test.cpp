#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/ContractOffer.h"
#include "document/MemorySettings.h"
#include "document/SettingsStore.h"
#include "listing/ContractText.h"

namespace {

// Every field names itself, so a value in the wrong place shows.
ContractOffer namedOffer() {
    ContractOffer offer;
    offer.employer = "Draconis Combine";
    offer.assignment = "Objective Raid";
    offer.contractLength = "1 year, 3 months";
    offer.paymentMultiplier = "2.10x Pay = (210000.00 C-Bills)";
    offer.straightSupport = "60%";
    offer.battleLossCompensation = "15%";
    offer.dsjsCompensation = "12%";
    offer.commercialCompensation = "35%";
    offer.salvageRights = "Exchange Rights";
    offer.commandRights = "Liason Officer";
    offer.startDate = "01 March, 3056";
    offer.endDate = "31 May, 3057";
    offer.location = "Outreach";
    return offer;
}

// Each expected fragment must appear, and after the one before it.
void expectInOrder(const std::string& text, const std::vector<std::string>& fragments) {
    std::size_t from = 0;
    for (const std::string& fragment : fragments) {
        const std::size_t at = text.find(fragment, from);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: [" << fragment << "]";
        from = at + fragment.size();
    }
}

class ContractTextTest : public ::testing::Test {
protected:
    MemorySettings settings;
    void setUnit(const std::string& name, const std::string& size) {
        settings.writeText(settings::kSection, settings::kUnitName, name);
        settings.writeText(settings::kSection, settings::kUnitSize, size);
    }
};

// ---- the pieces that carry values -----------------------------------------------------------

TEST_F(ContractTextTest, fillsEveryPlaceholderPieceWithItsValueInOrder) {
    setUnit("Gray Company", "a reinforced battalion");
    const std::string text = composeContractText(namedOffer(), settings);

    expectInOrder(
        text,
        {
            "\n\nThis agreement, executed between Draconis Combine (hereafter designated "
            "\"Employer\") and Gray Company (hereafter designated \"Unit\"),",
            " defined as a Objective Raid mission under the conventions and usages of contemporay "
            "military terminology.",
            "\n\nII. Forces:  The Unit agrees to provide combat and support forces estimated at a "
            "reinforced battalion of combat and/or combat support",
            "\n\nIII. Length of Service:  This contract will remain in effect for 1 year, 3 months "
            "commencing on 01 March, 3056 and concluding on 31 May, 3057.  On the commencement "
            "date, the Unit agrees to be located on Outreach; if the Unit fails to appear by said "
            "date, Unit shall religuish 5 percent of its fee.",
            " discharge is superceded by a fresh agreement.\n\nIV: Remuneration:  The Employer "
            "agrees to pay 2.10x Pay = (210000.00 C-Bills) C-Bill equivalents per month to the "
            "Unit.",
            " will implement this direction through the assignment of a Liason Officer to the unit "
            "for the period of the contract.  The Unit is",
            // Both transport placeholders take the commercial figure; DS/JS fills the next piece.
            " Unit. 35% of the commercial interstellar transport, and 35% of the estimated "
            "interplanetary transport.  The Employer shall pay the Unit 12% to reimburse Unit for "
            "providing transport for the Unit or any part thereof.",
            " Unit for the amount of 60% if the Unit provides its own supplies.  Resupply of "
            "munitions and other specific battlefield materiel after each major battle or campaign "
            "shall consist of 15%  over and above said supply requirements.",
            " division:  Exchange Rights\n\nIX. Other Terms:  Other terms of this contract, agreed "
            "to by both parties, shall be negotiated on a case by",
        });
    EXPECT_TRUE(text.starts_with("\n\nThis agreement, executed between "));
}

TEST_F(ContractTextTest, nineHeadingsStandInOrderEachAfterTwoLineFeedsAndBeforeTwoBlanks) {
    const std::string text = composeContractText(namedOffer(), settings);
    expectInOrder(text, {
                            "\n\nI. Mission:  ",
                            "\n\nII. Forces:  ",
                            "\n\nIII. Length of Service:  ",
                            "\n\nIV: Remuneration:  ",
                            "\n\nV. Command Rights:  ",
                            "\n\nVI. Transport:  ",
                            "\n\nVII. Supply:  ",
                            "\n\nVIII. Salvage Rights:  ",
                            "\n\nIX. Other Terms:  ",
                        });
    // Only the clause openings (and the opening of the agreement) start new paragraphs.
    std::size_t paragraphs = 0;
    for (std::size_t at = text.find("\n\n"); at != std::string::npos;
         at = text.find("\n\n", at + 2)) {
        ++paragraphs;
    }
    EXPECT_EQ(paragraphs, 10u);
    EXPECT_EQ(text.back(), '.');
}

TEST_F(ContractTextTest, keepsTheFiguresAndTheBlankExclusionField) {
    const std::string text = composeContractText(namedOffer(), settings);
    expectInOrder(text, {"75 percent", "10 percent", "5 percent"});
    // The exclusion field is 33 underscores after ": ", right before the Forces clause.
    const std::string field = ": " + std::string(33, '_') + "\n\nII. Forces:";
    EXPECT_NE(text.find(field), std::string::npos);
}

TEST_F(ContractTextTest, unitNameAndSizeFallBackToFifteenUnderscores) {
    const std::string blank(15, '_');
    const std::string text = composeContractText(namedOffer(), settings);
    EXPECT_NE(text.find("and " + blank + " (hereafter designated \"Unit\"),"), std::string::npos);
    EXPECT_NE(text.find("estimated at " + blank + " of combat"), std::string::npos);
    // Reading the defaults must not store anything.
    EXPECT_EQ(settings.size(), 0u);
}

// ---- field texts are inserted verbatim (they were once handed to a printf-style formatter) ----

TEST_F(ContractTextTest, fieldTextsWithPercentSignsPrintExactlyAsTyped) {
    ContractOffer offer = namedOffer();
    offer.location = "100% %s %n";
    offer.employer = "%s";  // must not swallow the unit name that follows it
    offer.commercialCompensation = "%d%%";
    setUnit("%n%n%n", "%s");

    const std::string text = composeContractText(offer, settings);
    EXPECT_NE(text.find(" to be located on 100% %s %n; if the Unit"), std::string::npos);
    EXPECT_NE(text.find("executed between %s (hereafter designated \"Employer\") and %n%n%n "
                        "(hereafter designated \"Unit\"),"),
              std::string::npos);
    EXPECT_NE(text.find("estimated at %s of combat"), std::string::npos);
    EXPECT_NE(text.find("Unit. %d%% of the commercial interstellar transport, and %d%% of the"),
              std::string::npos);
}

// ---- signature block and credit line ----------------------------------------------------------

TEST(ContractSignatureBlockTest, readsAsTwoBlankLinesThenTwoPartiesAndAWitness) {
    const std::string rule(26, '_');
    const std::string signedAt =
        "Signed at ________________ on this _____ day of _____________, in the year ______";
    const std::vector<std::string> expected = {
        "",
        "",
        signedAt,
        rule,
        "Commanding _______________",
        signedAt,
        rule,
        "Commanding _______________",
        "Witnessed by: ____________",
        rule,
        rule,
    };

    std::vector<std::string> lines;
    const std::string block = contractSignatureBlock();
    std::size_t from = 0;
    for (std::size_t at = block.find('\n'); at != std::string::npos; at = block.find('\n', from)) {
        lines.push_back(block.substr(from, at - from));
        from = at + 1;
    }
    lines.push_back(block.substr(from));
    EXPECT_EQ(lines, expected);
}

TEST(CreditLineTest, isOneLineNamingTheProgram) {
    const std::string credit = creditLine();
    EXPECT_NE(credit.find("Zuvaduro"), std::string::npos);
    EXPECT_EQ(credit.find('\n'), std::string::npos);
}

// ---- long values ----------------------------------------------------------------------------

// A page's text layout failed on a value of 200 MB. Each value prints at most
// contract::kLongestValue characters (a character is never split), then says how long it was.
TEST_F(ContractTextTest, cutsALongValueAndSaysHowManyCharactersItHad) {
    const std::size_t most = contract::kLongestValue;
    const std::string eAcute = "\xC3\xA9";
    struct Case {
        std::string value;
        std::string printed;
    };
    const Case cases[] = {
        {std::string(most, 'x'), std::string(most, 'x')},
        {std::string(most - 1, 'a') + eAcute + std::string(2000, 'b'),
         std::string(most - 1, 'a') + eAcute + "\xE2\x80\xA6 (cut: 5,000 characters in all)"},
        {std::string(1'234'567, 'z'),
         std::string(most, 'z') + "\xE2\x80\xA6 (cut: 1,234,567 characters in all)"},
    };
    for (const Case& c : cases) {
        ContractOffer offer = namedOffer();
        offer.location = c.value;
        setUnit("Gray Company", c.value);
        const std::string text = composeContractText(offer, settings);
        expectInOrder(text, {"forces estimated at " + c.printed + " of combat",
                             "located on " + c.printed + "; if the Unit"});
        EXPECT_LT(text.size(), 10'000u);
    }
}

}  // namespace
