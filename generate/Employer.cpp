#include <array>
#include <span>
#include <string>

#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/Terms.h"

namespace {

using Row = Range<EmployerPick>;
constexpr EmployerTable kToPeriphery = EmployerTable::Periphery;
constexpr EmployerTable kToCorporation = EmployerTable::Corporation;
constexpr EmployerTable kToMinor = EmployerTable::MinorPeriphery;
constexpr EmployerTable kToMercenary = EmployerTable::Mercenary;

// clang-format off
constexpr std::array<Row, 6> kMainTable = {{
    {0,   3, {kCapellan}},
    {4,   5, {kFreeWorlds}},
    {6,   6, {kDraconis}},
    {7,   9, {kFedCom}},
    {10, 11, {{}, kToPeriphery}},
    {12, 12, {{}, kToMercenary}},
}};

constexpr std::array<Row, 7> kPeripheryTable = {{
    {0,   3, {"Magistracy of Canopus"}},
    {4,   5, {"Outworlds Alliance"}},
    {6,   6, {kRasalhague}},
    {7,   8, {{}, kToCorporation}},
    {9,   9, {"St. Ives Compact"}},
    {10, 11, {"Taurian Concordat"}},
    {12, 12, {{}, kToMinor}},
}};

constexpr std::array<Row, 11> kCorporationTable = {{
    {0,   2, {"Nashan Diversified"}},
    {3,   3, {"Irian BattleMechs, Unlimited"}},
    {4,   4, {"Federated Boeing"}},
    {5,   5, {"Aldis Industries"}},
    {6,   6, {"TharHes Industries"}},
    {7,   7, {"Ceres Metals"}},
    {8,   8, {"Kali-Yama"}},
    {9,   9, {"Independence"}},
    {10, 10, {"EarthWerks Inc."}},
    {11, 11, {"Kallon Industries"}},
    {12, 12, {"Alphard Trading Corp."}},
}};

// One die.
constexpr std::array<Row, 6> kMinorPeripheryTable = {{
    {0, 1, {"Marion Hegemony (Alphard)"}},
    {2, 2, {"Lothian League (Lothario)"}},
    {3, 3, {"Ilyrian Palatinate"}},
    {4, 4, {"Circinus Federation (Circinus)"}},
    {5, 5, {"Rim Collection"}},
    {6, 6, {"Mica Majority"}},
}};

constexpr std::array<Row, 8> kMercenaryTable = {{
    {0,   2, {"Gray Death Legion"}},
    {3,   3, {"21st Centauri Lancers"}},
    {4,   5, {"Kell Hounds"}},
    {6,   6, {"Northwind Highlanders"}},
    {7,   7, {"Eridani Light Horse"}},
    {8,   9, {"Wolf's Dragoons"}},
    {10, 11, {"McCarron's Armored Cavalry"}},
    {12, 12, {"Snord's Irregulars"}},
}};
// clang-format on

static_assert(coversTotals(kMainTable, 0, 12));
static_assert(coversTotals(kPeripheryTable, 0, 12));
static_assert(coversTotals(kCorporationTable, 0, 12));
static_assert(coversTotals(kMinorPeripheryTable, 0, 6));
static_assert(coversTotals(kMercenaryTable, 0, 12));

constexpr NestedTable<EmployerPick> tableFor(EmployerTable table) {
    switch (table) {
        case EmployerTable::Periphery:
            return {kTwoDice, kPeripheryTable, "periphery"};
        case EmployerTable::Corporation:
            return {kTwoDice, kCorporationTable, "corporation"};
        case EmployerTable::MinorPeriphery:
            return {kOneDie, kMinorPeripheryTable, "minor periphery"};
        case EmployerTable::Mercenary:
            return {kTwoDice, kMercenaryTable, "mercenary"};
        case EmployerTable::Main:
        case EmployerTable::None:
            break;
    }
    return {kTwoDice, kMainTable, "main"};
}

// Every name a table can give, so that the kind sets cannot drift from the tables.
template <std::size_t N>
constexpr bool namesRow(const std::array<Row, N>& rows, std::string_view employer) {
    for (const Row& row : rows) {
        if (row.value.next == EmployerTable::None && row.value.name == employer) {
            return true;
        }
    }
    return false;
}

constexpr std::array<std::string_view, 3> kKindNames = {"Mercenary", "Corp", "Periphery"};

}  // namespace

EmployerPick employerForRoll(EmployerTable table, int roll) {
    return lookupRange(tableFor(table).rows, roll);
}

EmployerKind kindOfEmployer(std::string_view employer) {
    if (namesRow(kMercenaryTable, employer)) {
        return EmployerKind::Mercenary;
    }
    if (namesRow(kCorporationTable, employer)) {
        return EmployerKind::Corp;
    }
    return EmployerKind::Periphery;
}

std::string_view kindName(EmployerKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

bool employerInTables(std::string_view employer) {
    return namesRow(kMainTable, employer) || namesRow(kPeripheryTable, employer) ||
           namesRow(kCorporationTable, employer) || namesRow(kMinorPeripheryTable, employer) ||
           namesRow(kMercenaryTable, employer);
}

std::string_view rollEmployer(Dice& dice, std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Employer, choice)) {
            return choice;
        }
        return record.result(rollNested(dice, record, EmployerTable::Main, tableFor).name);
    });
}
