#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"
#include "document/NumberText.h"
#include "generate/AssignmentTables.h"
#include "generate/Compensation.h"
#include "generate/ContractLengthTables.h"
#include "generate/EmployerTables.h"
#include "generate/OfferCount.h"
#include "generate/PayMultiplier.h"
#include "generate/Rights.h"
#include "generate/RollRecorder.h"
#include "generate/Terms.h"
#include "generate_test_dice.h"
#include "listing/RollExplanation.h"
#include "tests/support/SeededDocument.h"

namespace {

using Field = std::string ContractOffer::*;

// The recorded dice of one term, handed out in the order they were rolled.
class RecordedDice {
public:
    RecordedDice(const RollRecord& record, int offer, RolledTerm term) {
        for (const RecordedDie& die : record.dice) {
            if (die.offer == offer && die.term == term) {
                m_dice.push_back(die);
            }
        }
    }
    int roll(TableDice toRoll) {
        int total = 0;
        for (int i = 0; i < toRoll.count; ++i) {
            EXPECT_LT(m_next, m_dice.size()) << "fewer dice recorded than the tables roll";
            if (m_next < m_dice.size()) {
                EXPECT_EQ(m_dice[m_next].sides, toRoll.faces);
                total += m_dice[m_next++].value;
            }
        }
        return total;
    }
    bool allUsed() const { return m_next == m_dice.size(); }

private:
    std::vector<RecordedDie> m_dice;
    std::size_t m_next = 0;
};

// The text the tables give for the recorded dice of one term, from the inputs the offer shows.
std::string replay(RecordedDice& dice, RolledTerm term, const ContractOffer& offer,
                   const std::string& rating) {
    const std::string_view listed = offer.assignment;
    const bool clans = listed.ends_with(kAgainstClansSuffix);
    const std::string_view assignment =
        clans ? listed.substr(0, listed.size() - kAgainstClansSuffix.size()) : listed;
    const std::string& employer = offer.employer;
    switch (term) {
        case RolledTerm::Count:
            return formatInt(offerCountForTotal(dice.roll(kTwoDice) + offerCountModifier(rating)));
        case RolledTerm::Employer: {
            for (EmployerTable table = EmployerTable::Main;;) {
                const TableDice toRoll =
                    table == EmployerTable::MinorPeriphery ? kOneDie : kTwoDice;
                const EmployerPick pick = employerForRoll(table, dice.roll(toRoll));
                if (pick.next == EmployerTable::None) {
                    return std::string(pick.name);
                }
                table = pick.next;
            }
        }
        case RolledTerm::Assignment: {
            for (AssignmentTable table = assignmentTableFor(employer);;) {
                const TableDice toRoll =
                    table == AssignmentTable::GarrisonOrCadre ? kOneDie : kTwoDice;
                const AssignmentPick pick = assignmentForRoll(table, dice.roll(toRoll));
                if (pick.next == AssignmentTable::None) {
                    return std::string(pick.name) +
                           std::string(pick.againstClans ? kAgainstClansSuffix : "");
                }
                table = pick.next;
            }
        }
        case RolledTerm::Length: {
            const auto toRoll = lengthDiceFor(assignment);
            return std::string(contractLengthFor(assignment, toRoll ? dice.roll(*toRoll) : 0));
        }
        case RolledTerm::Multiplier: {
            float employerFactor = namedEmployerPayFactor(employer).value_or(1.0f);
            if (!namedEmployerPayFactor(employer) &&
                kindOfEmployer(employer) == EmployerKind::Corp) {
                employerFactor = corpPayFactorForRoll(dice.roll(kTwoDice));
            }
            const double product = payMultiplierProduct(payBaseFor(rating), employerFactor,
                                                        assignmentPayFactor(assignment), clans);
            return formatHundredths(*hundredths(product));
        }
        case RolledTerm::StraightSupport:
            return std::string(
                straightSupportForTotal(dice.roll(kTwoDice) + supportModifier(rating, employer)));
        case RolledTerm::BattleLoss:
            return std::string(
                battleLossForTotal(dice.roll(kTwoDice) + supportModifier(rating, employer)));
        case RolledTerm::DsJs:
            return std::string(dsJsForFace(dice.roll(kOneDie)));
        case RolledTerm::Commercial:
            return std::string(commercialForFace(dice.roll(kOneDie)));
        case RolledTerm::Salvage:
            return std::string(salvageForTotal(dice.roll(kTwoDice) + salvageBonus(employer)));
        case RolledTerm::Command: {
            const auto toRoll = commandDiceFor(employer);
            return std::string(commandRightsFor(employer, toRoll ? dice.roll(*toRoll) : 0));
        }
    }
    return {};
}

// What the field reads, as the replay gives it: the multiplier without its pay amount.
std::string shown(const ContractOffer& offer, Field field) {
    const std::string& text = offer.*field;
    return field == &ContractOffer::paymentMultiplier ? text.substr(0, text.find('x')) : text;
}

// Every die the record holds, replayed in order through the tables, gives exactly the texts the
// generation wrote, and a term rolled again gives its new text; a fixed term holds no dice.
TEST(RollRecord, recordedDiceReplayedThroughTheTablesGiveTheRolledTexts) {
    OfferChoices fixed;
    fixed.employer = "Kell Hounds";
    fixed.support = "80%";
    const struct {
        const char* rating;
        OfferChoices choices;
    } rows[] = {{"A", {}}, {"B", {}}, {"C", {}}, {"D", {}}, {"x", {}}, {"B", fixed}};
    for (const auto& row : rows) {
        for (std::uint32_t seed = 1; seed <= 200; ++seed) {
            MemorySettings settings;
            testsupport::SeededDocument doc(settings, seed);
            doc.m_rating = row.rating;
            doc.generateOffers(doc.m_rating, row.choices);
            // The terms were rolled from the offers as generated; one rolled again since, from
            // the same texts, replaces its own dice.
            const auto generated = doc.m_offers;
            if (seed % 7 == 0 && doc.m_offerCount > 0) {
                const Field field = ContractOffer::kFields[seed % 10];
                ASSERT_TRUE(doc.rollTermAgain(0, field));
                EXPECT_TRUE(doc.m_rolls.find(1, *termOfField(field))
                                ->explanation.starts_with("rolled again: "));
            }
            RecordedDice count(doc.m_rolls, 0, RolledTerm::Count);
            EXPECT_EQ(replay(count, RolledTerm::Count, {}, row.rating),
                      formatInt(doc.m_offerCount));
            EXPECT_TRUE(count.allUsed());
            for (int k = 0; k < doc.m_offerCount; ++k) {
                const ContractOffer& offer = doc.m_offers[static_cast<std::size_t>(k)];
                const ContractOffer& inputs = generated[static_cast<std::size_t>(k)];
                for (std::size_t f = 0; f < 10; ++f) {
                    const Field field = ContractOffer::kFields[f];
                    const RolledTerm term = *termOfField(field);
                    const TermRecord* record = doc.m_rolls.find(k + 1, term);
                    ASSERT_NE(record, nullptr);
                    RecordedDice dice(doc.m_rolls, k + 1, term);
                    if (record->fixed) {
                        EXPECT_EQ(k, 0);
                        EXPECT_EQ(record->explanation, "fixed by choice");
                        EXPECT_TRUE(dice.allUsed()) << "a fixed term rolls nothing";
                        continue;
                    }
                    EXPECT_EQ(replay(dice, term, inputs, row.rating), shown(offer, field))
                        << row.rating << " seed " << seed << " offer " << k << " term " << f;
                    EXPECT_TRUE(dice.allUsed()) << "seed " << seed << " term " << f;
                    EXPECT_TRUE(record->explanation.ends_with(shown(offer, field)) ||
                                term == RolledTerm::Multiplier);
                }
            }
        }
    }
}

struct RecordedTerm {
    RollRecord record;
    RollRecorder recorder{record};
};

// The explanations say each step: dice, modifiers, total, row, and the tables moved through.
TEST(RollRecord, explanationsNameTheDiceModifiersRowsAndTablesMovedThrough) {
    using gentest::concat;
    using gentest::twoDice;
    const struct {
        const char* name;
        std::vector<gentest::Roll> rolls;
        std::function<void(Dice&)> roll;
        RolledTerm term;
        const char* explanation;
    } rows[] = {
        {"count", twoDice(12), [](Dice& d) { rollOfferCount(d, "A"); }, RolledTerm::Count,
         "dice 6+6 = 12, +5 rating A = 17, row 13 or more: 4 offers"},
        {"periphery, then corporation", concat({twoDice(11), twoDice(8), twoDice(12)}),
         [](Dice& d) { rollEmployer(d, "Random"); }, RolledTerm::Employer,
         "main table, dice 6+5 = 11, row 10-11 -> periphery table, dice 6+2 = 8, row 7-8 -> "
         "corporation table, dice 6+6 = 12: Alphard Trading Corp."},
        {"minor periphery", concat({twoDice(10), twoDice(12), {{6, 5}}}),
         [](Dice& d) { rollEmployer(d, "Random"); }, RolledTerm::Employer,
         "main table, dice 6+4 = 10, row 10-11 -> periphery table, dice 6+6 = 12 -> minor "
         "periphery table, die 5: Rim Collection"},
        {"garrison or cadre", concat({twoDice(3), {{6, 5}}}),
         [](Dice& d) { rollAssignment(d, "Capellan Confederation", "Random"); },
         RolledTerm::Assignment,
         "Capellan/Free Worlds table, dice 3+0 = 3, row 0-3 -> garrison or cadre table, die 5, "
         "row 4-6: Cadre Duty"},
        {"against Clans", twoDice(9),
         [](Dice& d) { rollAssignment(d, "Draconis Combine", "Random"); }, RolledTerm::Assignment,
         "Federated Commonwealth/Draconis table, dice 6+3 = 9: Planetary Assault against Clans"},
        {"small die, other row",
         {{3, 2}},
         [](Dice& d) { rollContractLength(d, "Objective Raid", "Random"); },
         RolledTerm::Length,
         "Objective Raid table, die 2 of 0-3, row other: 2 months"},
        {"Corp factor", twoDice(7),
         [](Dice& d) {
             rollPayMultiplier(d, "A", "Kali-Yama", "Defensive Campaign", false, "Random");
         },
         RolledTerm::Multiplier,
         "3 rating A x 1.75 Corp employer (dice 6+1 = 7, row 6-12) x 1.5 Defensive Campaign = "
         "7.88"},
        {"two modifiers", twoDice(8),
         [](Dice& d) { rollStraightSupport(d, "B", "Free Worlds League", "Random"); },
         RolledTerm::StraightSupport, "dice 6+2 = 8, +1 rating B, +3 Free Worlds League = 12: 85%"},
        {"no roll",
         {},
         [](Dice& d) { rollCommandRights(d, "Magistracy of Canopus", "Random"); },
         RolledTerm::Command,
         "Periphery employer, no roll: Independent Command"},
        // A hand-written employer no table names counts as Periphery, and says so.
        {"unknown employer, no roll",
         {},
         [](Dice& d) { rollCommandRights(d, "Smith's Raiders", "Random"); },
         RolledTerm::Command,
         "not in the tables, taken as Periphery employer, no roll: Independent Command"},
        {"unknown employer's assignment", twoDice(8),
         [](Dice& d) { rollAssignment(d, "Smith's Raiders", "Random"); }, RolledTerm::Assignment,
         "not in the tables, taken as Periphery employer table, dice 6+2 = 8, row 7-9: Garrison "
         "Duty"},
        {"unknown employer's pay",
         {},
         [](Dice& d) {
             rollPayMultiplier(d, "A", "Smith's Raiders", "Defensive Campaign", false, "Random");
         },
         RolledTerm::Multiplier,
         "3 rating A x 1 Periphery employer (not in the tables) x 1.5 Defensive Campaign = 4.50"},
        {"fixed",
         {},
         [](Dice& d) { rollEmployer(d, "Wolf's Dragoons"); },
         RolledTerm::Employer,
         "fixed by choice"},
    };
    for (const auto& row : rows) {
        RecordedTerm recorded;
        recorded.recorder.beginOffer(1);
        Generator generator(row.rolls.empty() ? 0 : gentest::seedForRolls(row.rolls));
        Dice dice(generator, &recorded.recorder);
        row.roll(dice);
        const int offer = row.term == RolledTerm::Count ? 0 : 1;
        ASSERT_NE(recorded.record.find(offer, row.term), nullptr) << row.name;
        EXPECT_EQ(recorded.record.find(offer, row.term)->explanation, row.explanation) << row.name;
        EXPECT_EQ(recorded.record.dice.size(), row.rolls.size()) << row.name;
    }
}

// The record lives with the offers in memory: an edit is told apart, a saved file keeps none of
// it and writes the same bytes, and an opened file explains nothing it did not record.
TEST(RollRecord, editsAreToldApartAndFilesKeepNoRecord) {
    MemorySettings settings;
    testsupport::SeededDocument doc(settings, 7u);
    doc.m_rating = "B";
    doc.generateOffers("B", OfferChoices{});
    const std::string rolled = *explainField(doc, 0, &ContractOffer::assignment);
    doc.m_offers[0].assignment = "Retainer";
    EXPECT_EQ(*explainField(doc, 0, &ContractOffer::assignment),
              std::string(kEditedByHand) + rolled);
    EXPECT_EQ(explainField(doc, 0, &ContractOffer::location), std::nullopt);

    const std::vector<std::uint8_t> bytes = writeDocumentBytes(doc);
    testsupport::SeededDocument unrecorded(settings, 7u);
    unrecorded.setRecordingRolls(false);
    unrecorded.m_rating = "B";
    unrecorded.generateOffers("B", OfferChoices{});
    unrecorded.m_offers[0].assignment = "Retainer";
    EXPECT_TRUE(unrecorded.m_rolls.empty());
    EXPECT_EQ(writeDocumentBytes(unrecorded), bytes);

    ContractDocument opened(settings);
    ASSERT_TRUE(readDocumentBytes(opened, bytes).ok);
    opened.setPathName("/campaign/spring.did");
    EXPECT_TRUE(opened.m_rolls.empty());
    EXPECT_EQ(explainCount(opened), kRolledBeforeSaved);
    EXPECT_EQ(*explainField(opened, 0, &ContractOffer::employer), kRolledBeforeSaved);
}

}  // namespace
