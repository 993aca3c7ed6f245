#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "document/NumberText.h"
#include "generate/PayMultiplier.h"
#include "generate/Terms.h"
#include "generate_test_dice.h"

namespace {

// The multiplier text of what rollPayMultiplier returns: the hundredths rolled, or the choice.
std::string multiplierText(Dice& dice, const char* rating, const char* employer,
                           const char* assignment, bool againstClans, const char* choice) {
    const std::optional<long long> rolled =
        rollPayMultiplier(dice, rating, employer, assignment, againstClans, choice);
    return rolled ? formatHundredths(*rolled) : std::string(choice);
}

using gentest::seedForRolls;
using gentest::twoDice;

struct PayCase {
    const char* rating;
    const char* employer;
    const char* assignment;
    bool clans;
    int corpRoll;  // the two-dice total a "Corp" employer rolls; -1 for other employers
    const char* multiplier;
};

TEST(rollPayMultiplier, printsTheSinglePrecisionProduct) {
    // clang-format off
    const PayCase rows[] = {
        {"D", "Magistracy of Canopus",    "Cadre Duty",         false, -1, "1.57"},
        {"D", "Kell Hounds",              "Cadre Duty",         false, -1, "1.57"},
        {"A", "Federated Commonwealth",   "Cadre Duty",         false, -1, "2.92"},
        {"B", "Federated Commonwealth",   "Defensive Campaign", false, -1, "5.26"},
        {"D", "Draconis Combine",         "Garrison Duty",      false, -1, "2.83"},
        {"D", "Free Rasalhague Republic", "Defensive Campaign", false, -1, "3.46"},
        {"A", "Outworlds Alliance",       "Riot Duty",          false, -1, "3.00"},
        {"B", "Wolf's Dragoons",          "Pirate Hunting",     false, -1, "2.70"},
        {"A", "Draconis Combine",         "Objective Raid",     true,  -1, "9.00"},
        {"A", "Draconis Combine",         "Cadre Duty",         true,  -1, "9.00"},
        {"A", "Ceres Metals",             "Extraction Raid",    true,   6, "10.50"},
        {"A", "Draconis Combine",         "Cadre Duty",         false, -1, "3.38"},
        {"A", "Ceres Metals",             "Defensive Campaign", false, 12, "7.88"},
        {"A", "Kali-Yama",                "Planetary Assault",  false,  6, "7.88"},
        {"A", "Capellan Confederation",   "Guerrilla Warfare",  false, -1, "12.60"},
        // These four print differently if the employer product is not rounded to single
        // precision before the assignment factor.
        {"B", "Draconis Combine",         "Garrison Duty",      false, -1, "3.65"},
        {"B", "Draconis Combine",         "Security Duty",      false, -1, "5.27"},
        {"B", "Ceres Metals",             "Riot Duty",          false, 12, "4.72"},
        {"B", "Ceres Metals",             "Cadre Duty",         false,  4, "2.83"},
        {"C", "Free Worlds League",       "Relief Duty",        false, -1, "4.99"},
        {"C", "Ceres Metals",             "Security Duty",      false,  4, "4.37"},
        {"C", "Ceres Metals",             "Security Duty",      false,  3, "3.12"},
        {"Random", "Kell Hounds",         "Pirate Hunting",     false, -1, "2.10"},
        {"",  "Kell Hounds",              "Typed Mission",      false, -1, "2.10"},
        {"a", "Federated Commonwealth",   "Objective Raid",     false, -1, "4.37"},
    };
    // clang-format on
    for (const PayCase& row : rows) {
        const auto rolls = row.corpRoll >= 0 ? twoDice(row.corpRoll) : std::vector<gentest::Roll>{};
        const std::uint32_t seed = seedForRolls(rolls);
        gentest::SeededDice seeded(seed);
        EXPECT_EQ(multiplierText(seeded.dice, row.rating, row.employer, row.assignment, row.clans,
                                 "Random"),
                  row.multiplier)
            << row.rating << " / " << row.employer << " / " << row.assignment;
        EXPECT_EQ(seeded.steps(), static_cast<int>(rolls.size())) << row.employer;
    }
}

TEST(rollPayMultiplier, returnsAFixedChoiceEvenAgainstTheClans) {
    gentest::SeededDice seeded(3);
    EXPECT_EQ(multiplierText(seeded.dice, "A", "Ceres Metals", "Objective Raid", true, "4.0"),
              "4.0");
    EXPECT_EQ(multiplierText(seeded.dice, "A", "Ceres Metals", "Objective Raid", true, "random"),
              "random");
    EXPECT_EQ(seeded.generator.state(), 3u);
}

TEST(PayFactors, corpRollBoundsAndNamedEmployers) {
    const struct {
        int roll;
        float factor;
    } corp[] = {{0, 1.0f}, {3, 1.0f}, {4, 1.4f}, {5, 1.4f}, {6, 1.75f}, {12, 1.75f}};
    for (const auto& row : corp) {
        EXPECT_EQ(corpPayFactorForRoll(row.roll), row.factor) << "roll " << row.roll;
    }
    EXPECT_EQ(namedEmployerPayFactor("Free Rasalhague Republic"), std::optional<float>(1.1f));
    EXPECT_FALSE(namedEmployerPayFactor("Ceres Metals").has_value());
    EXPECT_FALSE(namedEmployerPayFactor("free worlds league").has_value());
    EXPECT_EQ(assignmentPayFactor("Retainer"), 1.3f);
    EXPECT_EQ(assignmentPayFactor("Riot Duty"), 1.0f);
    EXPECT_EQ(assignmentPayFactor("Objective Raid against Clans"), 1.0f);
}

TEST(PayFactors, everyCombinationLiesBetween157And1260) {
    const char* ratings[] = {"A", "B", "C", "D"};
    std::vector<float> employerFactors = {1.0f, corpPayFactorForRoll(4), corpPayFactorForRoll(6)};
    for (const char* employer :
         {"Federated Commonwealth", "Free Rasalhague Republic", "Draconis Combine",
          "Capellan Confederation", "Free Worlds League"}) {
        employerFactors.push_back(*namedEmployerPayFactor(employer));
    }
    const char* assignments[] = {
        "Cadre Duty",        "Defensive Campaign", "Diversionary Raid", "Extraction Raid",
        "Garrison Duty",     "Guerrilla Warfare",  "Objective Raid",    "Pirate Hunting",
        "Planetary Assault", "Recon Raid",         "Relief Duty",       "Retainer",
        "Riot Duty",         "Security Duty",      "Something Else",
    };
    std::string lowest;
    std::string highest;
    for (const char* rating : ratings) {
        for (float employerFactor : employerFactors) {
            for (bool clans : {false, true}) {
                for (const char* assignment : assignments) {
                    const std::string text =
                        formatFixed2(payMultiplierProduct(payBaseFor(rating), employerFactor,
                                                          assignmentPayFactor(assignment), clans));
                    if (lowest.empty() || parseNumber(text) < parseNumber(lowest)) {
                        lowest = text;
                    }
                    if (highest.empty() || parseNumber(text) > parseNumber(highest)) {
                        highest = text;
                    }
                }
            }
        }
    }
    EXPECT_EQ(lowest, "1.57");
    EXPECT_EQ(highest, "12.60");
}

TEST(appendPayAmount, multipliesTheTwoNumbersAsTheirTextsReadAndPrintsInFull) {
    const struct {
        const char* multiplier;
        const char* basePay;
        const char* text;
    } rows[] = {
        {"2.10", "100000", "x Pay = (210000.00 C-Bills)"},
        {"3.0", "100000", "x Pay = (300000.00 C-Bills)"},
        {"2.10", "0", "x Pay = (0.00 C-Bills)"},
        {"2.10", "", "x Pay = (0.00 C-Bills)"},
        {"2.10", "100,000", "x Pay = (210.00 C-Bills)"},
        {"2.10", "1e5", "x Pay = (210000.00 C-Bills)"},
        {"Random", "100000", "x Pay = (0.00 C-Bills)"},
        {"5.5", "-100", "x Pay = (-550.00 C-Bills)"},
        {"3.00", "100000000000000000", "x Pay = (300000000000000000.00 C-Bills)"},
        {"2.00", "1e400", "x Pay = (inf C-Bills)"},
    };
    for (const auto& row : rows) {
        // A generation reads both texts by the C library's rule before it appends the amount.
        std::string text;
        appendPayAmount(text, parseNumber(row.multiplier), parseNumber(row.basePay));
        EXPECT_EQ(text, row.text) << row.multiplier << " * " << row.basePay;
    }
}

}  // namespace
