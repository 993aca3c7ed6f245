#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/Compensation.h"
#include "generate/Rights.h"
#include "generate/Terms.h"
#include "generate_test_dice.h"

namespace {

using gentest::concat;
using gentest::seedForRolls;
using gentest::twoDice;

// ---- support and transport ------------------------------------------------------------------

TEST(Support, modifierComesFromRatingAndFreeWorlds) {
    const struct {
        const char* rating;
        const char* employer;
        int modifier;
    } rows[] = {
        {"A", "Kell Hounds", 2},        {"B", "Kell Hounds", 1},
        {"C", "Kell Hounds", 1},        {"D", "Kell Hounds", 0},
        {"a", "Kell Hounds", 0},        {"", "Draconis Combine", 0},
        {"A", "Free Worlds League", 5}, {"D", "Free Worlds League", 3},
        {"B", "Free Worlds league", 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(supportModifier(row.rating, row.employer), row.modifier)
            << row.rating << " / " << row.employer;
    }
}

TEST(Support, tableGivesBothTermsAtEachBound) {
    const struct {
        int total;
        const char* straight;
        const char* battleLoss;
    } rows[] = {
        {0, "50%", "5%"},    {3, "50%", "5%"},    {4, "55%", "10%"},  {5, "55%", "10%"},
        {6, "60%", "15%"},   {7, "60%", "15%"},   {8, "65%", "20%"},  {9, "65%", "20%"},
        {10, "70%", "25%"},  {11, "75%", "30%"},  {12, "85%", "35%"}, {13, "90%", "40%"},
        {14, "100%", "50%"}, {17, "100%", "50%"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(straightSupportForTotal(row.total), row.straight) << "total " << row.total;
        EXPECT_EQ(battleLossForTotal(row.total), row.battleLoss) << "total " << row.total;
    }
}

TEST(Support, eachTermRollsItsOwnDice) {
    const std::uint32_t seed = seedForRolls(concat({twoDice(12), twoDice(0)}));
    gentest::SeededDice seeded(seed);
    EXPECT_EQ(rollStraightSupport(seeded.dice, "A", "Kell Hounds", "Random"), "100%");
    EXPECT_EQ(rollBattleLossCompensation(seeded.dice, "A", "Kell Hounds", "Random"), "5%");
    EXPECT_EQ(seeded.steps(), 4);

    // Without a modifier a double six stops at 85% and 35%.
    const std::uint32_t sixes = seedForRolls(concat({twoDice(12), twoDice(12)}));
    gentest::SeededDice plain(sixes);
    EXPECT_EQ(rollStraightSupport(plain.dice, "D", "Kell Hounds", "Random"), "85%");
    EXPECT_EQ(rollBattleLossCompensation(plain.dice, "D", "Kell Hounds", "Random"), "35%");
}

TEST(Transport, oneDieWithZeroAndSixAtTheTop) {
    const struct {
        int face;
        const char* dsjs;
        const char* commercial;
    } rows[] = {{0, "32%", "40%"}, {1, "12%", "30%"}, {2, "18%", "33%"}, {3, "23%", "35%"},
                {4, "27%", "37%"}, {5, "30%", "39%"}, {6, "32%", "40%"}};
    for (const auto& row : rows) {
        EXPECT_EQ(dsJsForFace(row.face), row.dsjs) << "face " << row.face;
        EXPECT_EQ(commercialForFace(row.face), row.commercial) << "face " << row.face;
    }
    const std::uint32_t seed = seedForRolls({{6, 0}, {6, 2}});
    gentest::SeededDice seeded(seed);
    EXPECT_EQ(rollDsJsCompensation(seeded.dice, "Random"), "32%");
    EXPECT_EQ(rollCommercialCompensation(seeded.dice, "Random"), "33%");
    EXPECT_EQ(seeded.steps(), 2);
}

// ---- salvage and command rights ---------------------------------------------------------------

TEST(Salvage, bonusAndBounds) {
    EXPECT_EQ(salvageBonus("Free Rasalhague Republic"), 5);
    EXPECT_EQ(salvageBonus("Draconis Combine"), 5);
    EXPECT_EQ(salvageBonus("Federated Commonwealth"), 0);
    EXPECT_EQ(salvageBonus(""), 0);
    const struct {
        int total;
        const char* rights;
    } rows[] = {{0, "No Rights"},        {7, "No Rights"},    {8, "Exchange Rights"},
                {11, "Exchange Rights"}, {12, "Full Rights"}, {17, "Full Rights"}};
    for (const auto& row : rows) {
        EXPECT_EQ(salvageForTotal(row.total), row.rights) << "total " << row.total;
    }
}

TEST(Salvage, rollsTwoDicePlusTheBonus) {
    const struct {
        const char* employer;
        int sum;
        const char* rights;
    } rows[] = {
        {"Draconis Combine", 2, "No Rights"},
        {"Draconis Combine", 3, "Exchange Rights"},
        {"Free Rasalhague Republic", 7, "Full Rights"},
        {"Kell Hounds", 11, "Exchange Rights"},
        {"Kell Hounds", 12, "Full Rights"},
        {"Federated Commonwealth", 7, "No Rights"},
    };
    for (const auto& row : rows) {
        const std::uint32_t seed = seedForRolls(twoDice(row.sum));
        gentest::SeededDice seeded(seed);
        EXPECT_EQ(rollSalvageRights(seeded.dice, row.employer, "Random"), row.rights)
            << row.employer << " " << row.sum;
        EXPECT_EQ(seeded.steps(), 2);
    }
}

TEST(CommandRights, greatPowerTablesAtEachBound) {
    const struct {
        const char* employer;
        int roll;
        const char* rights;
    } rows[] = {
        {"Federated Commonwealth", 0, "Liason Officer"},
        {"Federated Commonwealth", 4, "Liason Officer"},
        {"Federated Commonwealth", 5, "House Command"},
        {"Federated Commonwealth", 8, "House Command"},
        {"Federated Commonwealth", 9, "Integrated Command"},
        {"Federated Commonwealth", 12, "Integrated Command"},
        {"Capellan Confederation", 0, "House Command"},
        {"Capellan Confederation", 4, "House Command"},
        {"Capellan Confederation", 5, "Liason Officer"},
        {"Free Worlds League", 6, "Liason Officer"},
        {"Free Worlds League", 4, "House Command"},
        {"Draconis Combine", 0, "Independent Command"},
        {"Draconis Combine", 3, "Independent Command"},
        {"Draconis Combine", 4, "Liason Officer"},
        {"Draconis Combine", 6, "Liason Officer"},
        {"Draconis Combine", 7, "House Command"},
        {"Draconis Combine", 9, "House Command"},
        {"Draconis Combine", 10, "Integrated Command"},
        {"Draconis Combine", 12, "Integrated Command"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(commandRightsFor(row.employer, row.roll), row.rights)
            << row.employer << " " << row.roll;
    }
}

TEST(CommandRights, rollsOnlyForGreatPowers) {
    const struct {
        const char* employer;
        std::vector<gentest::Roll> rolls;
        const char* rights;
    } rows[] = {
        {"Federated Commonwealth", twoDice(9), "Integrated Command"},
        {"Free Worlds League", {{6, 5}}, "Liason Officer"},
        {"Capellan Confederation", {{6, 0}}, "House Command"},
        {"Draconis Combine", twoDice(3), "Independent Command"},
        {"Kell Hounds", {}, "Liason Officer"},
        {"Ceres Metals", {}, "Liason Officer"},
        {"Magistracy of Canopus", {}, "Independent Command"},
        {"Free Rasalhague Republic", {}, "Independent Command"},
        {"Major Corporation", {}, "Independent Command"},
        {"Mercenary Unit", {}, "Independent Command"},
        {"", {}, "Independent Command"},
    };
    for (const auto& row : rows) {
        const std::uint32_t seed = seedForRolls(row.rolls);
        gentest::SeededDice seeded(seed);
        EXPECT_EQ(rollCommandRights(seeded.dice, row.employer, "Random"), row.rights)
            << row.employer;
        EXPECT_EQ(seeded.steps(), static_cast<int>(row.rolls.size())) << row.employer;
    }
}

TEST(FixedChoices, supportTransportAndRightsReturnTheChoiceWithoutRolling) {
    gentest::SeededDice seeded(11);
    EXPECT_EQ(rollStraightSupport(seeded.dice, "A", "Free Worlds League", "80%"), "80%");
    EXPECT_EQ(rollBattleLossCompensation(seeded.dice, "A", "Free Worlds League", "80%"), "80%");
    EXPECT_EQ(rollDsJsCompensation(seeded.dice, "25%"), "25%");
    EXPECT_EQ(rollCommercialCompensation(seeded.dice, ""), "");
    EXPECT_EQ(rollSalvageRights(seeded.dice, "Draconis Combine", "random"), "random");
    EXPECT_EQ(rollCommandRights(seeded.dice, "Kell Hounds", "House Command"), "House Command");
    EXPECT_EQ(seeded.generator.state(), 11u);
}

}  // namespace
