#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "document/NumberText.h"
#include "document/SettingsStore.h"
#include "generate/AssignmentTables.h"
#include "generate/Compensation.h"
#include "generate/ContractLengthTables.h"
#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/GenerateOffers.h"
#include "generate/Generator.h"
#include "generate/OfferCount.h"
#include "generate/PayMultiplier.h"
#include "generate/Rights.h"
#include "generate_test_dice.h"
#include "tests/support/SeededDocument.h"

namespace {

using testsupport::SeededDocument;

// The pay text a generation appends, from the two texts read as numbers.
std::string payAmountText(const std::string& multiplier, const std::string& basePay) {
    std::string text;
    appendPayAmount(text, parseNumber(multiplier), parseNumber(basePay));
    return text;
}

// Replays a run on its own generator in the documented roll order, using the table lookups.
// Independent of the driver, so a change in roll order, in who rolls, or in how many dice a
// table takes shows up as a difference.
class Replay {
public:
    explicit Replay(std::uint32_t seed) : m_generator(seed) {}

    int rollDie(int n) { return m_generator.next() % (n + 1); }
    int rollDice(TableDice toRoll) {
        int total = 0;
        for (int i = 0; i < toRoll.count; ++i) {
            total += rollDie(toRoll.faces);
        }
        return total;
    }

    std::string employer() {
        EmployerTable table = EmployerTable::Main;
        for (;;) {
            const TableDice dice = table == EmployerTable::MinorPeriphery ? kOneDie : kTwoDice;
            const EmployerPick pick = employerForRoll(table, rollDice(dice));
            if (pick.next == EmployerTable::None) {
                return std::string(pick.name);
            }
            table = pick.next;
        }
    }

    std::string assignment(const std::string& employer, bool& clans) {
        AssignmentTable table = assignmentTableFor(employer);
        for (;;) {
            const TableDice dice = table == AssignmentTable::GarrisonOrCadre ? kOneDie : kTwoDice;
            const AssignmentPick pick = assignmentForRoll(table, rollDice(dice));
            if (pick.next == AssignmentTable::None) {
                clans = pick.againstClans;
                return std::string(pick.name);
            }
            table = pick.next;
        }
    }

    std::string length(const std::string& assignment) {
        const auto dice = lengthDiceFor(assignment);
        return std::string(contractLengthFor(assignment, dice ? rollDice(*dice) : 0));
    }

    std::string multiplier(const std::string& rating, const std::string& employer,
                           const std::string& assignment, bool clans) {
        float factor = 1.0f;
        if (auto named = namedEmployerPayFactor(employer)) {
            factor = *named;
        } else if (kindOfEmployer(employer) == EmployerKind::Corp) {
            factor = corpPayFactorForRoll(rollDice(kTwoDice));
        }
        return formatFixed2(payMultiplierProduct(payBaseFor(rating), factor,
                                                 assignmentPayFactor(assignment), clans));
    }

    std::string command(const std::string& employer) {
        const auto dice = commandDiceFor(employer);
        return std::string(commandRightsFor(employer, dice ? rollDice(*dice) : 0));
    }

    // The whole run for all-"Random" choices.
    void run(const std::string& rating, const std::string& basePay, int& count,
             std::array<ContractOffer, 4>& offers) {
        count = offerCountForTotal(rollDice(kTwoDice) + offerCountModifier(rating));
        for (int k = 0; k < count; ++k) {
            ContractOffer& o = offers[static_cast<std::size_t>(k)];
            bool clans = false;
            o.employer = employer();
            o.assignment = assignment(o.employer, clans);
            o.contractLength = length(o.assignment);
            o.paymentMultiplier = multiplier(rating, o.employer, o.assignment, clans);
            o.straightSupport = std::string(
                straightSupportForTotal(rollDice(kTwoDice) + supportModifier(rating, o.employer)));
            o.battleLossCompensation = std::string(
                battleLossForTotal(rollDice(kTwoDice) + supportModifier(rating, o.employer)));
            o.dsjsCompensation = std::string(dsJsForFace(rollDice(kOneDie)));
            o.commercialCompensation = std::string(commercialForFace(rollDice(kOneDie)));
            o.salvageRights =
                std::string(salvageForTotal(rollDice(kTwoDice) + salvageBonus(o.employer)));
            o.commandRights = command(o.employer);
            if (clans) {
                o.assignment += " against Clans";
            }
            o.paymentMultiplier += payAmountText(o.paymentMultiplier, basePay);
        }
    }

    std::uint32_t state() const { return m_generator.state(); }

private:
    Generator m_generator;
};

class GenerateOffersTest : public ::testing::Test {
protected:
    void SetUp() override { settings.writeText(settings::kSection, settings::kPay, "100000"); }

    // A reset document with the given rating, as both generation commands prepare it.
    SeededDocument& fresh(std::uint32_t seed, const std::string& rating = "A") {
        doc = std::make_unique<SeededDocument>(settings, seed);
        doc->m_rating = rating;
        doc->resetToUntitled();
        return *doc;
    }

    // The first seed whose run, for `rating`, satisfies `wanted`.
    template <typename Predicate>
    std::uint32_t findSeed(const std::string& rating, Predicate wanted) {
        for (std::uint32_t seed = 1; seed < 100'000; ++seed) {
            SeededDocument& d = fresh(seed, rating);
            d.generateOffers(rating, OfferChoices{});
            if (wanted(d)) {
                return seed;
            }
        }
        ADD_FAILURE() << "no seed found";
        return 0;
    }

    MemorySettings settings;
    std::unique_ptr<SeededDocument> doc;
};

TEST_F(GenerateOffersTest, rollsEveryTermInTheDocumentedOrder) {
    int againstClans = 0;
    int offers = 0;
    for (const char* rating : {"A", "B", "C", "D", "x"}) {
        for (std::uint32_t seed = 0; seed < 400; ++seed) {
            SeededDocument& d = fresh(seed, rating);
            d.generateOffers(rating, OfferChoices{});

            Replay replay(seed);
            int count = 0;
            std::array<ContractOffer, 4> expected = d.m_offers;  // dates and beyond-count as is
            replay.run(rating, "100000", count, expected);
            ASSERT_EQ(d.m_offerCount, count) << rating << " seed " << seed;
            for (int k = 0; k < count; ++k) {
                ASSERT_EQ(d.m_offers[static_cast<std::size_t>(k)],
                          expected[static_cast<std::size_t>(k)])
                    << rating << " seed " << seed << " offer " << k + 1;
                againstClans +=
                    d.m_offers[static_cast<std::size_t>(k)].assignment.ends_with(" against Clans");
            }
            ASSERT_EQ(d.generatorState(), replay.state()) << rating << " seed " << seed;
            offers += count;
        }
    }
    // The sample must have exercised the interesting paths.
    EXPECT_GT(againstClans, 50);
    EXPECT_GT(offers, 3000);
}

TEST_F(GenerateOffersTest, needsNothingButDiceAndLeavesThePayAmountToTheCaller) {
    OfferChoices choices;
    choices.employer = "Kell Hounds";
    for (std::uint32_t seed : {3u, 8u, 2024u}) {
        SeededDocument& d = fresh(seed, "B");
        d.generateOffers("C", choices);

        Generator generator(seed);
        Dice dice(generator);
        std::array<ContractOffer, kMaxOffers> offers = d.m_offers;
        const int count = rollOfferCount(dice, "B");
        ASSERT_EQ(count, d.m_offerCount) << "seed " << seed;
        for (int k = 0; k < count; ++k) {
            ContractOffer& offer = offers[static_cast<std::size_t>(k)];
            const double multiplier = k == 0 ? rollOfferTerms(dice, "C", choices, offer)
                                             : rollOfferTerms(dice, "B", offer);
            EXPECT_EQ(offer.paymentMultiplier + payAmountText(offer.paymentMultiplier, "100000"),
                      d.m_offers[static_cast<std::size_t>(k)].paymentMultiplier);
            appendPayAmount(offer.paymentMultiplier, multiplier, 100000.0);
        }
        EXPECT_EQ(offers, d.m_offers) << "seed " << seed;
        EXPECT_EQ(generator.state(), d.generatorState()) << "seed " << seed;
    }
}

TEST_F(GenerateOffersTest, customChoicesFixTheFirstOfferOnlyAndRollNothing) {
    const std::uint32_t seed =
        findSeed("A", [](const ContractDocument& d) { return d.m_offerCount == 4; });
    SeededDocument& plain = fresh(seed);
    plain.generateOffers("A", OfferChoices{});
    const auto rolled = plain.m_offers;

    OfferChoices fixed;
    fixed.employer = "Wolf's Dragoons";
    fixed.assignment = "Retainer";
    fixed.contractLength = "3 weeks";
    fixed.paymentMultiplier = "3.0";
    fixed.support = "80%";
    fixed.transport = "25%";
    fixed.salvageRights = "Full Rights";
    fixed.commandRights = "House Command";
    SeededDocument& custom = fresh(seed);
    custom.generateOffers("A", fixed);

    ASSERT_EQ(custom.m_offerCount, 4);
    const ContractOffer& first = custom.m_offers[0];
    EXPECT_EQ(first.employer, "Wolf's Dragoons");
    EXPECT_EQ(first.assignment, "Retainer");
    EXPECT_EQ(first.contractLength, "3 weeks");
    EXPECT_EQ(first.paymentMultiplier, "3.0x Pay = (300000.00 C-Bills)");
    EXPECT_EQ(first.straightSupport, "80%");
    EXPECT_EQ(first.battleLossCompensation, "80%");
    EXPECT_EQ(first.dsjsCompensation, "25%");
    EXPECT_EQ(first.commercialCompensation, "25%");
    EXPECT_EQ(first.salvageRights, "Full Rights");
    EXPECT_EQ(first.commandRights, "House Command");
    // The fixed offer took no rolls, so the free offers are the plain run's, shifted by one.
    for (std::size_t k = 1; k < 4; ++k) {
        EXPECT_EQ(custom.m_offers[k], rolled[k - 1]) << "offer " << k + 1;
    }
    const std::regex rolledMultiplier(R"(\d+\.\d\dx Pay = \(\d+\.\d\d C-Bills\))");
    for (std::size_t k = 1; k < 4; ++k) {
        EXPECT_TRUE(std::regex_match(custom.m_offers[k].paymentMultiplier, rolledMultiplier))
            << custom.m_offers[k].paymentMultiplier;
    }
}

TEST_F(GenerateOffersTest, spelledOutRandomEqualsTheDefaultsAndOtherCaseDoesNot) {
    OfferChoices spelled;
    for (std::string* field : {&spelled.employer, &spelled.assignment, &spelled.contractLength,
                               &spelled.paymentMultiplier, &spelled.support, &spelled.transport,
                               &spelled.salvageRights, &spelled.commandRights}) {
        *field = std::string("Ran") + "dom";
    }
    for (std::uint32_t seed : {1u, 2u, 3u, 1234u}) {
        SeededDocument& a = fresh(seed);
        a.generateOffers("A", OfferChoices{});
        const auto expected = a.m_offers;
        SeededDocument& b = fresh(seed);
        b.generateOffers("A", spelled);
        EXPECT_EQ(b.m_offers, expected) << "seed " << seed;
    }
    OfferChoices lower;
    lower.employer = "random";
    SeededDocument& d = fresh(5);
    d.generateOffers("A", lower);
    EXPECT_EQ(d.m_offers[0].employer, "random");
}

TEST_F(GenerateOffersTest, ratingArgumentSteersOnlyTheFirstOffersTerms) {
    const std::uint32_t seed =
        findSeed("A", [](const ContractDocument& d) { return d.m_offerCount >= 2; });
    OfferChoices choices;
    choices.employer = "Kell Hounds";
    choices.assignment = "Pirate Hunting";
    SeededDocument& d = fresh(seed, "A");
    d.generateOffers("D", choices);
    ASSERT_GE(d.m_offerCount, 2);  // the count followed "A", not "D"
    EXPECT_EQ(d.m_offers[0].paymentMultiplier, "2.10x Pay = (210000.00 C-Bills)");
}

TEST_F(GenerateOffersTest, againstClansSuffixFollowsTheDoubledMultiplier) {
    const std::uint32_t seed = findSeed("B", [](const ContractDocument& d) {
        return d.m_offerCount >= 1 && d.m_offers[0].assignment.ends_with(" against Clans") &&
               namedEmployerPayFactor(d.m_offers[0].employer).has_value();
    });
    SeededDocument& d = fresh(seed, "B");
    d.generateOffers("B", OfferChoices{});
    const ContractOffer& first = d.m_offers[0];
    const std::string multiplier = formatFixed2(
        payMultiplierProduct(payBaseFor("B"), *namedEmployerPayFactor(first.employer), 0.0f, true));
    EXPECT_EQ(first.paymentMultiplier, multiplier + payAmountText(multiplier, "100000"));

    // A fixed assignment never gets the suffix, whatever the employer.
    OfferChoices fixed;
    fixed.employer = first.employer;
    fixed.assignment = "Objective Raid";
    for (std::uint32_t s = 0; s < 200; ++s) {
        SeededDocument& f = fresh(s, "B");
        f.generateOffers("B", fixed);
        if (f.m_offerCount >= 1) {
            ASSERT_EQ(f.m_offers[0].assignment, "Objective Raid") << "seed " << s;
        }
    }
}

TEST_F(GenerateOffersTest, basePayIsReadAsTheLeadingNumber) {
    const struct {
        const char* pay;  // nullptr: no value stored
        const char* amount;
    } rows[] = {
        {nullptr, "0.00"},
        {"100,000", "300.00"},
        {"abc", "0.00"},
        {"100000000000000000", "300000000000000000.00"},
    };
    OfferChoices choices;
    choices.paymentMultiplier = "3.00";
    for (const auto& row : rows) {
        settings.removeSection(settings::kSection);
        if (row.pay != nullptr) {
            settings.writeText(settings::kSection, settings::kPay, row.pay);
        }
        SeededDocument& d = fresh(8, "A");
        d.generateOffers("A", choices);
        ASSERT_GE(d.m_offerCount, 1);
        EXPECT_EQ(d.m_offers[0].paymentMultiplier,
                  std::string("3.00x Pay = (") + row.amount + " C-Bills)")
            << (row.pay ? row.pay : "(absent)");
        for (int k = 1; k < d.m_offerCount; ++k) {
            if (row.pay == nullptr) {
                EXPECT_TRUE(d.m_offers[static_cast<std::size_t>(k)].paymentMultiplier.ends_with(
                    "x Pay = (0.00 C-Bills)"));
            }
        }
    }
}

TEST_F(GenerateOffersTest, zeroOffersChangeNothingAndLaterOffersStayUntouched) {
    const std::uint32_t none =
        findSeed("x", [](const ContractDocument& d) { return d.m_offerCount == 0; });
    SeededDocument& d = fresh(none, "x");
    for (ContractOffer& offer : d.m_offers) {
        offer.employer = "left over";
    }
    d.generateOffers("x", OfferChoices{});
    EXPECT_EQ(d.m_offerCount, 0);
    for (const ContractOffer& offer : d.m_offers) {
        EXPECT_EQ(offer.employer, "left over");
    }

    const std::uint32_t two =
        findSeed("D", [](const ContractDocument& r) { return r.m_offerCount == 2; });
    SeededDocument& e = fresh(two, "D");
    e.m_offers[2].employer = "left over";
    e.m_offers[3].paymentMultiplier = "left over";
    e.generateOffers("D", OfferChoices{});
    EXPECT_EQ(e.m_offers[2].employer, "left over");
    EXPECT_EQ(e.m_offers[3].paymentMultiplier, "left over");
}

TEST_F(GenerateOffersTest, leavesDatesAndLocationAsTheResetOrUserSetThem) {
    SeededDocument& d = fresh(42, "A");
    d.m_offers[1].startDate = "05 May, 3056";
    d.m_offers[1].location = "Tharkad";
    d.generateOffers("A", OfferChoices{});
    EXPECT_EQ(d.m_offers[0].startDate, ContractDocument::kDefaultStartDate);
    EXPECT_EQ(d.m_offers[0].endDate, ContractDocument::kDefaultEndDate);
    EXPECT_EQ(d.m_offers[0].location, ContractDocument::kDefaultLocation);
    EXPECT_EQ(d.m_offers[1].startDate, "05 May, 3056");
    EXPECT_EQ(d.m_offers[1].location, "Tharkad");

    // The reset that precedes the next run restores them.
    d.resetToUntitled();
    d.generateOffers("A", OfferChoices{});
    EXPECT_EQ(d.m_offers[1].startDate, ContractDocument::kDefaultStartDate);
    EXPECT_EQ(d.m_offers[1].location, ContractDocument::kDefaultLocation);
}

TEST_F(GenerateOffersTest, aSecondRunContinuesTheSequence) {
    SeededDocument& d = fresh(2024, "A");
    d.generateOffers("A", OfferChoices{});
    const std::uint32_t between = d.generatorState();
    EXPECT_NE(between, 2024u);
    d.resetToUntitled();
    d.generateOffers("A", OfferChoices{});
    const auto second = d.m_offers;
    const int secondCount = d.m_offerCount;

    SeededDocument& resumed = fresh(between, "A");  // replaces d
    resumed.generateOffers("A", OfferChoices{});
    EXPECT_EQ(resumed.m_offerCount, secondCount);
    EXPECT_EQ(resumed.m_offers, second);
}

}  // namespace
