#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>

#include "document/ContractOffer.h"
#include "generate/ContractLengthTables.h"
#include "listing/OfferPay.h"

namespace {

// Every text the length tables give reads as its months; so do hand-written lengths in the same
// words, and nothing else does.
TEST(contractMonths, readsEveryTableLengthAndHandWrittenOnes) {
    const std::map<std::string, std::optional<int>> expected = {
        {"1 month", 1},
        {"2 months", 2},
        {"3 months", 3},
        {"4 months", 4},
        {"5 months", 5},
        {"6 months", 6},
        {"7 months", 7},
        {"8 months", 8},
        {"9 months", 9},
        {"10 months", 10},
        {"11 months", 11},
        {"1 year", 12},
        {"1 year, 1 month", 13},
        {"1 year, 2 months", 14},
        {"1 year, 3 months", 15},
        {"1 year, 4 months", 16},
        {"1 year, 5 months", 17},
        {"1 year, 6 months", 18},
        {"1 year, 7 months", 19},
        {"1 year, 8 months", 20},
        {"1 year, 9 months", 21},
        {"1 year, 10 months", 22},
        {"2 years", 24},
        {"3 years", 36},
        {"4 years", 48},
        {"5 years", 60},
        {std::string(kUnknownLength), {}},
    };
    const char* assignments[] = {"Garrison Duty",     "Cadre Duty",         "Recon Raid",
                                 "Retainer",          "Pirate Hunting",     "Objective Raid",
                                 "Planetary Assault", "Diversionary Raid",  "Extraction Raid",
                                 "Relief Duty",       "Defensive Campaign", "Riot Duty",
                                 "Security Duty",     "Guerrilla Warfare",  "Garrison duty"};
    std::set<std::string> produced;
    for (const char* assignment : assignments) {
        for (int roll = 0; roll <= 12; ++roll) {
            produced.insert(std::string(contractLengthFor(assignment, roll)));
        }
    }
    EXPECT_EQ(produced.size(), expected.size());
    for (const std::string& length : produced) {
        ASSERT_TRUE(expected.count(length)) << length;
        EXPECT_EQ(contractMonths(length), expected.at(length)) << length;
    }

    const std::pair<const char*, std::optional<int>> edited[] = {
        {"1 year, 11 months", 23}, {"18 months", 18},           {" 2 Years ", 24},
        {"1 year 6 months", 18},   {"1 year and 6 months", 18}, {"0 months", 0},
        {"9999 years", 119988},    {"10000 months", {}},        {"", {}},
        {"six months", {}},        {"6 monthly", {}},           {"1 month, 1 year", {}},
        {"1 year, 1 year", {}},    {"1 year,, 2 months", {}},   {"-2 months", {}},
        {"2 months pay", {}},
    };
    for (const auto& [text, months] : edited) {
        EXPECT_EQ(contractMonths(text), months) << text;
    }
}

TEST(offerPay, paysTheMultiplierTimesTheBasePayForEveryMonthAndMarksTheBestTotal) {
    ContractOffer offer;
    offer.paymentMultiplier = "3.16x Pay = (316000.00 C-Bills)";
    offer.contractLength = "1 year, 2 months";
    const OfferPay pay = offerPay(offer, 100000);
    EXPECT_DOUBLE_EQ(*pay.monthly, 316000);
    EXPECT_EQ(pay.months, 14);
    EXPECT_DOUBLE_EQ(*pay.total, 316000.0 * 14);

    offer.contractLength = "Gamemaster's descretion";
    EXPECT_EQ(offerPay(offer, 100000).total, std::nullopt);
    offer.contractLength = "2 months";
    EXPECT_EQ(offerPay(offer, 1e308).total, std::nullopt) << "an amount past any number";

    // A multiplier that does not read as a generation writes one leaves the amounts unknown.
    const std::pair<const char*, std::optional<double>> multipliers[] = {
        {"3.16x Pay", 3.16}, {" 2x", 2}, {"0.5X", 0.5}, {"7", 7},     {"3,16x", {}},
        {"abc", {}},         {"", {}},   {"-2x", {}},   {"1e2x", {}}, {".x", {}},
    };
    for (const auto& [text, multiplier] : multipliers) {
        EXPECT_EQ(paymentMultiplier(text), multiplier) << text;
        offer.paymentMultiplier = text;
        EXPECT_EQ(offerPay(offer, 100).total.has_value(), multiplier.has_value()) << text;
    }

    const auto totals = [](std::initializer_list<std::optional<double>> list) {
        std::vector<OfferPay> pays;
        for (const auto& total : list) {
            pays.push_back({0, total ? std::optional<int>(1) : std::nullopt, total});
        }
        return bestTotals(pays);
    };
    EXPECT_EQ(totals({5, 9, std::nullopt, 9}), std::vector<bool>({false, true, false, true}));
    EXPECT_EQ(totals({7, 7}), std::vector<bool>({false, false})) << "nothing to choose between";
    EXPECT_EQ(totals({7, std::nullopt}), std::vector<bool>({false, false}));
}

}  // namespace
