#include <gtest/gtest.h>

#include <map>
#include <string>

#include "generate/EmployerTables.h"
#include "generate/Terms.h"
#include "generate_test_dice.h"

namespace {

using gentest::concat;
using gentest::seedForRolls;
using gentest::twoDice;

struct PickRow {
    EmployerTable table;
    int roll;
    const char* name;  // nullptr when the row leads on
    EmployerTable next;
};

constexpr EmployerTable kMain = EmployerTable::Main;
constexpr EmployerTable kPeri = EmployerTable::Periphery;
constexpr EmployerTable kCorp = EmployerTable::Corporation;
constexpr EmployerTable kMinor = EmployerTable::MinorPeriphery;
constexpr EmployerTable kMerc = EmployerTable::Mercenary;
constexpr EmployerTable kNone = EmployerTable::None;

TEST(EmployerTables, giveTheRowAtEachBound) {
    // clang-format off
    const PickRow rows[] = {
        {kMain, 0, "Capellan Confederation", kNone}, {kMain, 3, "Capellan Confederation", kNone},
        {kMain, 4, "Free Worlds League", kNone},     {kMain, 5, "Free Worlds League", kNone},
        {kMain, 6, "Draconis Combine", kNone},       {kMain, 7, "Federated Commonwealth", kNone},
        {kMain, 9, "Federated Commonwealth", kNone}, {kMain, 10, nullptr, kPeri},
        {kMain, 11, nullptr, kPeri},                 {kMain, 12, nullptr, kMerc},

        {kPeri, 0, "Magistracy of Canopus", kNone},  {kPeri, 3, "Magistracy of Canopus", kNone},
        {kPeri, 4, "Outworlds Alliance", kNone},     {kPeri, 5, "Outworlds Alliance", kNone},
        {kPeri, 6, "Free Rasalhague Republic", kNone}, {kPeri, 7, nullptr, kCorp},
        {kPeri, 8, nullptr, kCorp},                  {kPeri, 9, "St. Ives Compact", kNone},
        {kPeri, 10, "Taurian Concordat", kNone},     {kPeri, 11, "Taurian Concordat", kNone},
        {kPeri, 12, nullptr, kMinor},

        {kCorp, 0, "Nashan Diversified", kNone},     {kCorp, 2, "Nashan Diversified", kNone},
        {kCorp, 3, "Irian BattleMechs, Unlimited", kNone}, {kCorp, 4, "Federated Boeing", kNone},
        {kCorp, 5, "Aldis Industries", kNone},       {kCorp, 6, "TharHes Industries", kNone},
        {kCorp, 7, "Ceres Metals", kNone},           {kCorp, 8, "Kali-Yama", kNone},
        {kCorp, 9, "Independence", kNone},           {kCorp, 10, "EarthWerks Inc.", kNone},
        {kCorp, 11, "Kallon Industries", kNone},     {kCorp, 12, "Alphard Trading Corp.", kNone},

        {kMinor, 0, "Marion Hegemony (Alphard)", kNone}, {kMinor, 1, "Marion Hegemony (Alphard)", kNone},
        {kMinor, 2, "Lothian League (Lothario)", kNone}, {kMinor, 3, "Ilyrian Palatinate", kNone},
        {kMinor, 4, "Circinus Federation (Circinus)", kNone}, {kMinor, 5, "Rim Collection", kNone},
        {kMinor, 6, "Mica Majority", kNone},

        {kMerc, 0, "Gray Death Legion", kNone},      {kMerc, 2, "Gray Death Legion", kNone},
        {kMerc, 3, "21st Centauri Lancers", kNone},  {kMerc, 4, "Kell Hounds", kNone},
        {kMerc, 5, "Kell Hounds", kNone},            {kMerc, 6, "Northwind Highlanders", kNone},
        {kMerc, 7, "Eridani Light Horse", kNone},    {kMerc, 8, "Wolf's Dragoons", kNone},
        {kMerc, 9, "Wolf's Dragoons", kNone},        {kMerc, 10, "McCarron's Armored Cavalry", kNone},
        {kMerc, 11, "McCarron's Armored Cavalry", kNone}, {kMerc, 12, "Snord's Irregulars", kNone},
    };
    // clang-format on
    for (const PickRow& row : rows) {
        const EmployerPick pick = employerForRoll(row.table, row.roll);
        const std::string where = "table " + std::to_string(static_cast<int>(row.table)) +
                                  " roll " + std::to_string(row.roll);
        EXPECT_EQ(pick.name, row.name ? row.name : "") << where;
        EXPECT_EQ(pick.next, row.next) << where;
    }
}

TEST(EmployerTables, mainTableChancesInFortyNinths) {
    std::map<std::string, int> counts;
    for (int a = 0; a <= 6; ++a) {
        for (int b = 0; b <= 6; ++b) {
            const EmployerPick pick = employerForRoll(EmployerTable::Main, a + b);
            ++counts[pick.next == EmployerTable::None
                         ? std::string(pick.name)
                         : "table " + std::to_string(static_cast<int>(pick.next))];
        }
    }
    const std::map<std::string, int> expected = {
        {"Capellan Confederation", 10},
        {"Free Worlds League", 11},
        {"Draconis Combine", 7},
        {"Federated Commonwealth", 15},
        {"table " + std::to_string(static_cast<int>(EmployerTable::Periphery)), 5},
        {"table " + std::to_string(static_cast<int>(EmployerTable::Mercenary)), 1},
    };
    EXPECT_EQ(counts, expected);
}

TEST(rollEmployer, followsNestedTablesAndTakesTheirDice) {
    const struct {
        std::vector<gentest::Roll> rolls;
        const char* employer;
    } rows[] = {
        {twoDice(0), "Capellan Confederation"},
        {twoDice(9), "Federated Commonwealth"},
        {concat({twoDice(12), twoDice(12)}), "Snord's Irregulars"},
        {concat({twoDice(10), twoDice(6)}), "Free Rasalhague Republic"},
        {concat({twoDice(11), twoDice(8), twoDice(12)}), "Alphard Trading Corp."},
        {concat({twoDice(10), twoDice(12), {{6, 0}}}), "Marion Hegemony (Alphard)"},
        {concat({twoDice(10), twoDice(12), {{6, 6}}}), "Mica Majority"},
    };
    for (const auto& row : rows) {
        const std::uint32_t seed = seedForRolls(row.rolls);
        gentest::SeededDice seeded(seed);
        EXPECT_EQ(rollEmployer(seeded.dice, "Random"), row.employer);
        EXPECT_EQ(seeded.steps(), static_cast<int>(row.rolls.size())) << row.employer;
    }
}

TEST(rollEmployer, returnsAnyOtherChoiceUnchangedWithoutRolling) {
    gentest::SeededDice seeded(77);
    for (const char* choice :
         {"Wolf's Dragoons", "random", "RANDOM", "", "Random ", "Major Corporation", "Periphery"}) {
        EXPECT_EQ(rollEmployer(seeded.dice, choice), choice);
    }
    EXPECT_EQ(seeded.generator.state(), 77u);
}

TEST(classifyEmployer, sortsByExactName) {
    const struct {
        const char* employer;
        const char* kind;
    } rows[] = {
        {"Gray Death Legion", "Mercenary"},
        {"21st Centauri Lancers", "Mercenary"},
        {"Kell Hounds", "Mercenary"},
        {"Northwind Highlanders", "Mercenary"},
        {"Eridani Light Horse", "Mercenary"},
        {"Wolf's Dragoons", "Mercenary"},
        {"McCarron's Armored Cavalry", "Mercenary"},
        {"Snord's Irregulars", "Mercenary"},
        {"Nashan Diversified", "Corp"},
        {"Irian BattleMechs, Unlimited", "Corp"},
        {"Federated Boeing", "Corp"},
        {"Aldis Industries", "Corp"},
        {"TharHes Industries", "Corp"},
        {"Ceres Metals", "Corp"},
        {"Kali-Yama", "Corp"},
        {"Independence", "Corp"},
        {"EarthWerks Inc.", "Corp"},
        {"Kallon Industries", "Corp"},
        {"Alphard Trading Corp.", "Corp"},
        // Everything else, including near misses, generic entries and the great powers.
        {"Kell hounds", "Periphery"},
        {"Ilyrian Battlemechs, Unlimited", "Periphery"},
        {"Major Corporation", "Periphery"},
        {"Minor Power", "Periphery"},
        {"Mercenary Unit", "Periphery"},
        {"Periphery", "Periphery"},
        {"Magistry of Canopus", "Periphery"},
        {"Magistracy of Canopus", "Periphery"},
        {"Capellan Confederation", "Periphery"},
        {"Federated Commonwealth", "Periphery"},
        {"", "Periphery"},
        {"Random", "Periphery"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(kindName(kindOfEmployer(row.employer)), row.kind) << row.employer;
    }
}

}  // namespace
