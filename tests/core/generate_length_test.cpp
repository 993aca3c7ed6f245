#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/ContractLengthTables.h"
#include "generate/Generator.h"
#include "generate/Terms.h"
#include "generate_test_dice.h"

namespace {

using gentest::seedForRolls;
using gentest::twoDice;

// Each assignment's result for every total its dice can show, index = total.
struct LengthColumn {
    const char* assignment;
    std::vector<const char*> byRoll;
};

// clang-format off
const LengthColumn kColumns[] = {
    {"Garrison Duty", {"1 year", "1 year", "1 year, 10 months", "1 year, 8 months", "1 year, 6 months",
                       "1 year, 4 months", "1 year, 2 months", "1 year", "1 year, 1 month",
                       "1 year, 3 months", "1 year, 5 months", "1 year, 7 months", "1 year, 9 months"}},
    {"Cadre Duty", {"1 year", "1 year", "1 year, 10 months", "1 year, 8 months", "1 year, 6 months",
                    "1 year, 4 months", "1 year, 2 months", "1 year", "1 year, 1 month",
                    "1 year, 3 months", "1 year, 5 months", "1 year, 7 months", "1 year, 9 months"}},
    {"Pirate Hunting", {"2 months", "2 months", "11 months", "9 months", "7 months", "5 months",
                        "3 months", "2 months", "4 months", "6 months", "8 months", "10 months",
                        "1 year"}},
    {"Defensive Campaign", {"3 months", "3 months", "1 year", "10 months", "8 months", "6 months",
                            "4 months", "3 months", "5 months", "7 months", "9 months", "11 months",
                            "1 year, 1 month"}},
    {"Recon Raid", {"1 month", "1 month", "2 months", "1 month", "3 months", "1 month", "4 months"}},
    {"Diversionary Raid", {"1 month", "1 month", "2 months", "1 month", "3 months", "1 month", "4 months"}},
    {"Retainer", {"2 years", "5 years", "2 years", "3 years", "2 years", "4 years", "2 years"}},
    {"Planetary Assault", {"4 months", "7 months", "5 months", "8 months", "6 months", "4 months", "4 months"}},
    {"Security Duty", {"4 months", "7 months", "5 months", "8 months", "6 months", "4 months", "4 months"}},
    {"Extraction Raid", {"3 months", "4 months", "3 months", "5 months", "3 months", "6 months", "3 months"}},
    {"Riot Duty", {"3 months", "4 months", "3 months", "5 months", "3 months", "6 months", "3 months"}},
    {"Relief Duty", {"2 months", "2 months", "5 months", "3 months", "4 months", "6 months", "2 months"}},
    {"Guerrilla Warfare", {"6 months", "9 months", "7 months", "6 months", "8 months", "6 months", "10 months"}},
    {"Objective Raid", {"2 months", "1 month", "2 months", "2 months"}},
};
// clang-format on

TEST(ContractLengthTables, giveEveryRowOfEveryTable) {
    for (const LengthColumn& column : kColumns) {
        const auto dice = lengthDiceFor(column.assignment);
        ASSERT_TRUE(dice.has_value()) << column.assignment;
        ASSERT_EQ(dice->faces * dice->count + 1, static_cast<int>(column.byRoll.size()))
            << column.assignment;
        for (std::size_t roll = 0; roll < column.byRoll.size(); ++roll) {
            EXPECT_EQ(contractLengthFor(column.assignment, static_cast<int>(roll)),
                      column.byRoll[roll])
                << column.assignment << " roll " << roll;
        }
    }
}

TEST(ContractLengthTables, unknownAssignmentsHaveNoTable) {
    for (const char* assignment :
         {"Garrison duty", "", "Objective Raid against Clans", "Random", "retainer"}) {
        EXPECT_FALSE(lengthDiceFor(assignment).has_value()) << assignment;
        EXPECT_EQ(contractLengthFor(assignment, 3), "Gamemaster's descretion") << assignment;
    }
}

TEST(rollContractLength, rollsTheAssignmentsDice) {
    const struct {
        const char* assignment;
        std::vector<gentest::Roll> rolls;
        const char* length;
    } rows[] = {
        {"Garrison Duty", twoDice(7), "1 year"},   {"Cadre Duty", twoDice(2), "1 year, 10 months"},
        {"Pirate Hunting", twoDice(12), "1 year"}, {"Retainer", {{6, 1}}, "5 years"},
        {"Retainer", {{6, 6}}, "2 years"},         {"Guerrilla Warfare", {{6, 6}}, "10 months"},
        {"Objective Raid", {{3, 1}}, "1 month"},   {"Objective Raid", {{3, 3}}, "2 months"},
    };
    for (const auto& row : rows) {
        const std::uint32_t seed = seedForRolls(row.rolls);
        gentest::SeededDice seeded(seed);
        EXPECT_EQ(rollContractLength(seeded.dice, row.assignment, "Random"), row.length)
            << row.assignment;
        EXPECT_EQ(seeded.steps(), static_cast<int>(row.rolls.size())) << row.assignment;
    }
}

TEST(rollContractLength, objectiveRaidUsesTheSmallDie) {
    // The small die is r mod 4, so "1 month" comes on one value in four, not one in seven.
    int oneMonth = 0;
    for (std::uint32_t seed = 0; seed < 4000; ++seed) {
        Generator probe(seed);
        const bool faceOne = probe.next() % 4 == 1;
        gentest::SeededDice seeded(seed);
        const std::string_view length = rollContractLength(seeded.dice, "Objective Raid", "Random");
        ASSERT_EQ(length, faceOne ? "1 month" : "2 months") << "seed " << seed;
        oneMonth += faceOne ? 1 : 0;
    }
    EXPECT_NEAR(oneMonth, 1000, 100);
}

TEST(rollContractLength, returnsFixedChoicesAndUnknownAssignmentsWithoutRolling) {
    gentest::SeededDice seeded(99);
    EXPECT_EQ(rollContractLength(seeded.dice, "Garrison duty", "Random"),
              "Gamemaster's descretion");
    EXPECT_EQ(rollContractLength(seeded.dice, "Typed Mission", "3 weeks"), "3 weeks");
    EXPECT_EQ(rollContractLength(seeded.dice, "Garrison Duty", "random"), "random");
    EXPECT_EQ(seeded.generator.state(), 99u);
}

}  // namespace
