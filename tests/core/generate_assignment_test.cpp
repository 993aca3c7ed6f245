#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/AssignmentTables.h"
#include "generate/Terms.h"
#include "generate_test_dice.h"

namespace {

using gentest::concat;
using gentest::seedForRolls;
using gentest::twoDice;

constexpr AssignmentTable kCapFwl = AssignmentTable::CapellanFreeWorlds;
constexpr AssignmentTable kFcDc = AssignmentTable::FedComDraconis;
constexpr AssignmentTable kPeri = AssignmentTable::Periphery;
constexpr AssignmentTable kMerc = AssignmentTable::Mercenary;
constexpr AssignmentTable kCorp = AssignmentTable::Corp;
constexpr AssignmentTable kGarCad = AssignmentTable::GarrisonOrCadre;
constexpr AssignmentTable kSpecial = AssignmentTable::Special;
constexpr AssignmentTable kNone = AssignmentTable::None;

TEST(AssignmentTables, employerChoosesTheTable) {
    const struct {
        const char* employer;
        AssignmentTable table;
    } rows[] = {
        {"Capellan Confederation", kCapFwl},
        {"Free Worlds League", kCapFwl},
        {"Federated Commonwealth", kFcDc},
        {"Draconis Combine", kFcDc},
        {"Magistracy of Canopus", kPeri},
        {"Free Rasalhague Republic", kPeri},
        {"Periphery", kPeri},
        {"draconis combine", kPeri},
        {"", kPeri},
        {"Kell Hounds", kMerc},
        {"Snord's Irregulars", kMerc},
        {"Ceres Metals", kCorp},
        {"Alphard Trading Corp.", kCorp},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(assignmentTableFor(row.employer), row.table) << row.employer;
    }
}

TEST(AssignmentTables, giveTheRowAndFlagAtEachBound) {
    const struct {
        AssignmentTable table;
        int roll;
        const char* name;
        bool clans;
        AssignmentTable next;
    } rows[] = {
        {kCapFwl, 0, "", false, kGarCad},
        {kCapFwl, 3, "", false, kGarCad},
        {kCapFwl, 4, "Defensive Campaign", false, kNone},
        {kCapFwl, 5, "Objective Raid", false, kNone},
        {kCapFwl, 7, "Objective Raid", false, kNone},
        {kCapFwl, 8, "Planetary Assault", false, kNone},
        {kCapFwl, 11, "Planetary Assault", false, kNone},
        {kCapFwl, 12, "", false, kSpecial},
        {kGarCad, 0, "Garrison Duty", false, kNone},
        {kGarCad, 3, "Garrison Duty", false, kNone},
        {kGarCad, 4, "Cadre Duty", false, kNone},
        {kGarCad, 6, "Cadre Duty", false, kNone},
        {kFcDc, 0, "Garrison Duty", false, kNone},
        {kFcDc, 3, "Garrison Duty", false, kNone},
        {kFcDc, 4, "Objective Raid", false, kNone},
        {kFcDc, 5, "Objective Raid", false, kNone},
        {kFcDc, 6, "Cadre Duty", false, kNone},
        {kFcDc, 7, "Objective Raid", true, kNone},
        {kFcDc, 8, "Objective Raid", true, kNone},
        {kFcDc, 9, "Planetary Assault", true, kNone},
        {kFcDc, 10, "Defensive Campaign", false, kNone},
        {kFcDc, 11, "Pirate Hunting", false, kNone},
        {kFcDc, 12, "", false, kSpecial},
        {kPeri, 0, "Objective Raid", false, kNone},
        {kPeri, 3, "Objective Raid", false, kNone},
        {kPeri, 4, "Planetary Assault", false, kNone},
        {kPeri, 6, "Planetary Assault", false, kNone},
        {kPeri, 7, "Garrison Duty", false, kNone},
        {kPeri, 9, "Garrison Duty", false, kNone},
        {kPeri, 10, "Riot Duty", false, kNone},
        {kPeri, 11, "Riot Duty", false, kNone},
        {kPeri, 12, "Security Duty", false, kNone},
        {kMerc, 0, "Defensive Campaign", false, kNone},
        {kMerc, 3, "Defensive Campaign", false, kNone},
        {kMerc, 4, "Planetary Assault", false, kNone},
        {kMerc, 8, "Planetary Assault", false, kNone},
        {kMerc, 9, "Objective Raid", false, kNone},
        {kMerc, 10, "Objective Raid", false, kNone},
        {kMerc, 11, "Relief Duty", false, kNone},
        {kMerc, 12, "Relief Duty", false, kNone},
        {kCorp, 0, "Security Duty", false, kNone},
        {kCorp, 4, "Security Duty", false, kNone},
        {kCorp, 5, "Objective Raid", true, kNone},
        {kCorp, 7, "Objective Raid", true, kNone},
        {kCorp, 8, "Extraction Raid", true, kNone},
        {kCorp, 10, "Extraction Raid", true, kNone},
        {kCorp, 11, "Objective Raid", false, kNone},
        {kCorp, 12, "Cadre Duty", false, kNone},
        {kSpecial, 0, "Recon Raid", false, kNone},
        {kSpecial, 3, "Recon Raid", false, kNone},
        {kSpecial, 4, "Security Duty", false, kNone},
        {kSpecial, 5, "Diversionary Raid", false, kNone},
        {kSpecial, 6, "Relief Duty", false, kNone},
        {kSpecial, 7, "Relief Duty", false, kNone},
        {kSpecial, 8, "Extraction Raid", false, kNone},
        {kSpecial, 9, "Extraction Raid", false, kNone},
        {kSpecial, 10, "Riot Duty", false, kNone},
        {kSpecial, 11, "Riot Duty", false, kNone},
        {kSpecial, 12, "Guerrilla Warfare", false, kNone},
    };
    for (const auto& row : rows) {
        const AssignmentPick pick = assignmentForRoll(row.table, row.roll);
        const std::string where = "table " + std::to_string(static_cast<int>(row.table)) +
                                  " roll " + std::to_string(row.roll);
        EXPECT_EQ(pick.name, row.name) << where;
        EXPECT_EQ(pick.againstClans, row.clans) << where;
        EXPECT_EQ(pick.next, row.next) << where;
    }
}

TEST(rollAssignment, rollsTheEmployersTableAndSetsTheFlag) {
    const struct {
        const char* employer;
        std::vector<gentest::Roll> rolls;
        const char* assignment;
        bool clans;
    } rows[] = {
        {"Capellan Confederation", concat({twoDice(3), {{6, 3}}}), "Garrison Duty", false},
        {"Free Worlds League", concat({twoDice(0), {{6, 4}}}), "Cadre Duty", false},
        {"Free Worlds League", twoDice(4), "Defensive Campaign", false},
        {"Capellan Confederation", concat({twoDice(12), twoDice(12)}), "Guerrilla Warfare", false},
        {"Draconis Combine", twoDice(5), "Objective Raid", false},
        {"Draconis Combine", twoDice(7), "Objective Raid", true},
        {"Federated Commonwealth", twoDice(9), "Planetary Assault", true},
        {"Federated Commonwealth", concat({twoDice(12), twoDice(5)}), "Diversionary Raid", false},
        {"Ceres Metals", twoDice(11), "Objective Raid", false},
        {"Ceres Metals", twoDice(5), "Objective Raid", true},
        {"Kali-Yama", twoDice(10), "Extraction Raid", true},
        {"Wolf's Dragoons", twoDice(12), "Relief Duty", false},
        {"Periphery", twoDice(12), "Security Duty", false},
        {"Magistracy of Canopus", twoDice(10), "Riot Duty", false},
    };
    for (const auto& row : rows) {
        const std::uint32_t seed = seedForRolls(row.rolls);
        gentest::SeededDice seeded(seed);
        const AssignmentPick rolled = rollAssignment(seeded.dice, row.employer, "Random");
        EXPECT_EQ(rolled.name, row.assignment) << row.employer;
        EXPECT_EQ(rolled.againstClans, row.clans) << row.employer << " " << row.assignment;
        EXPECT_EQ(seeded.steps(), static_cast<int>(row.rolls.size()))
            << row.employer << " " << row.assignment;
    }
}

TEST(rollAssignment, aFixedChoiceRollsNothingAndIsNeverAgainstTheClans) {
    gentest::SeededDice seeded(5);
    for (const char* choice : {"Retainer", "random", "Objective Raid"}) {
        const AssignmentPick fixed = rollAssignment(seeded.dice, "Draconis Combine", choice);
        EXPECT_EQ(fixed.name, choice);
        EXPECT_FALSE(fixed.againstClans) << choice;
    }
    EXPECT_EQ(seeded.generator.state(), 5u);
}

TEST(rollSpecialAssignment, rollsTwoDiceOnTheSpecialTable) {
    const std::uint32_t seed = seedForRolls(twoDice(0));
    gentest::SeededDice seeded(seed);
    EXPECT_EQ(rollSpecialAssignment(seeded.dice), "Recon Raid");
    EXPECT_EQ(seeded.steps(), 2);
}

}  // namespace
