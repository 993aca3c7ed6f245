#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "generate/AssignmentTables.h"
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
        int clans;
    } rows[] = {
        {"Capellan Confederation", concat({twoDice(3), {{6, 3}}}), "Garrison Duty", 0},
        {"Free Worlds League", concat({twoDice(0), {{6, 4}}}), "Cadre Duty", 0},
        {"Free Worlds League", twoDice(4), "Defensive Campaign", 0},
        {"Capellan Confederation", concat({twoDice(12), twoDice(12)}), "Guerrilla Warfare", 0},
        {"Draconis Combine", twoDice(5), "Objective Raid", 0},
        {"Draconis Combine", twoDice(7), "Objective Raid", 1},
        {"Federated Commonwealth", twoDice(9), "Planetary Assault", 1},
        {"Federated Commonwealth", concat({twoDice(12), twoDice(5)}), "Diversionary Raid", 0},
        {"Ceres Metals", twoDice(11), "Objective Raid", 0},
        {"Ceres Metals", twoDice(5), "Objective Raid", 1},
        {"Kali-Yama", twoDice(10), "Extraction Raid", 1},
        {"Wolf's Dragoons", twoDice(12), "Relief Duty", 0},
        {"Periphery", twoDice(12), "Security Duty", 0},
        {"Magistracy of Canopus", twoDice(10), "Riot Duty", 0},
    };
    MemorySettings settings;
    for (const auto& row : rows) {
        const std::uint32_t seed = seedForRolls(row.rolls);
        ContractDocument doc(settings, seed);
        EXPECT_EQ(doc.rollAssignment(row.employer, "Random"), row.assignment) << row.employer;
        EXPECT_EQ(doc.m_againstClans, row.clans) << row.employer << " " << row.assignment;
        EXPECT_EQ(gentest::stepsBetween(seed, doc.generatorState()),
                  static_cast<int>(row.rolls.size()))
            << row.employer << " " << row.assignment;
    }
}

TEST(rollAssignment, aFixedChoiceRollsNothingAndLeavesTheFlag) {
    MemorySettings settings;
    ContractDocument doc(settings, 5);
    EXPECT_EQ(doc.rollAssignment("Draconis Combine", "Retainer"), "Retainer");
    EXPECT_EQ(doc.m_againstClans, 0);
    doc.m_againstClans = 1;
    EXPECT_EQ(doc.rollAssignment("Ceres Metals", "random"), "random");
    EXPECT_EQ(doc.m_againstClans, 1);
    EXPECT_EQ(doc.generatorState(), 5u);
}

TEST(rollSpecialAssignment, rollsTwoDiceOnTheSpecialTable) {
    MemorySettings settings;
    const std::uint32_t seed = seedForRolls(twoDice(0));
    ContractDocument doc(settings, seed);
    EXPECT_EQ(doc.rollSpecialAssignment(), "Recon Raid");
    EXPECT_EQ(gentest::stepsBetween(seed, doc.generatorState()), 2);
    EXPECT_EQ(doc.m_againstClans, 0);
}

}  // namespace
