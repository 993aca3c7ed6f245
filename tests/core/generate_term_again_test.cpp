#include <gtest/gtest.h>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "document/OfferTerms.h"
#include "document/SettingsStore.h"
#include "generate/TermAgain.h"
#include "generate_test_dice.h"
#include "tests/support/SeededDocument.h"

namespace {

using gentest::Roll;
using gentest::twoDice;
using Field = std::string ContractOffer::*;

// An offer as a user left it: a great power, an assignment listed against the Clans, and texts
// in every other field that must survive.
ContractOffer editedOffer() {
    ContractOffer offer;
    for (std::size_t i = 0; i < ContractOffer::kFieldCount; ++i) {
        offer.*ContractOffer::kFields[i] = std::string("kept ").append(kOfferTerms[i].key);
    }
    offer.employer = "Draconis Combine";
    offer.assignment = "Objective Raid against Clans";
    return offer;
}

struct TermRow {
    Field field;
    std::vector<Roll> rolls;  // the dice the term takes, in order
    const char* expected;
};

// Rating "B", base pay 100000; each value worked by hand from the term's table.
const TermRow kTermRows[] = {
    {&ContractOffer::employer, twoDice(7), "Federated Commonwealth"},
    {&ContractOffer::assignment, twoDice(9), "Planetary Assault against Clans"},
    {&ContractOffer::assignment, twoDice(2), "Garrison Duty"},  // loses the suffix
    // "Objective Raid" without its suffix: the small die, 1 -> "1 month".
    {&ContractOffer::contractLength, {{3, 1}}, "1 month"},
    // B 2.7 x Draconis 1.5 = 4.05, doubled against the Clans; a named employer rolls nothing.
    {&ContractOffer::paymentMultiplier, {}, "8.10x Pay = (810000.00 C-Bills)"},
    {&ContractOffer::straightSupport, twoDice(7), "65%"},          // 7 + 1 for "B"
    {&ContractOffer::battleLossCompensation, twoDice(12), "40%"},  // 12 + 1
    {&ContractOffer::dsjsCompensation, {{6, 2}}, "18%"},
    {&ContractOffer::commercialCompensation, {{6, 0}}, "40%"},       // an unlisted face
    {&ContractOffer::salvageRights, twoDice(6), "Exchange Rights"},  // 6 + 5 for Draconis
    {&ContractOffer::commandRights, twoDice(3), "Independent Command"},
};

TEST(TermAgain, rollsTheTermsOwnTableFromTheOffersTextsAndChangesNothingElse) {
    for (const TermRow& row : kTermRows) {
        gentest::SeededDice seeded(gentest::seedForRolls(row.rolls));
        ContractOffer offer = editedOffer();
        ContractOffer expected = offer;
        expected.*row.field = row.expected;
        ASSERT_TRUE(rollTermAgain(seeded.dice, "B", row.field, 100000.0, offer)) << row.expected;
        EXPECT_EQ(offer, expected) << row.expected;
        EXPECT_EQ(seeded.steps(), static_cast<int>(row.rolls.size())) << row.expected;
    }
}

TEST(TermAgain, theDocumentRollsOnlyShownOffersRolledTermsWithItsRatingAndPay) {
    MemorySettings settings;
    settings.writeText(settings::kSection, settings::kPay, "1000");
    testsupport::SeededDocument doc(settings, 7u);
    doc.m_rating = "A";
    doc.m_offerCount = 1;
    doc.m_offers[0] = editedOffer();
    doc.m_offers[0].employer = "Capellan Confederation";
    doc.m_offers[0].assignment = "Cadre Duty";
    const DocumentContent before = doc.content();

    EXPECT_FALSE(doc.rollTermAgain(0, &ContractOffer::location));
    EXPECT_FALSE(doc.rollTermAgain(1, &ContractOffer::employer));
    EXPECT_FALSE(doc.rollTermAgain(0, nullptr));
    EXPECT_EQ(doc.content(), before);
    EXPECT_EQ(doc.generatorState(), 7u);

    // A 3.0 x Capellan 2.0 x Cadre 0.75.
    ASSERT_TRUE(doc.rollTermAgain(0, &ContractOffer::paymentMultiplier));
    EXPECT_EQ(doc.m_offers[0].paymentMultiplier, "4.50x Pay = (4500.00 C-Bills)");
}

}  // namespace
