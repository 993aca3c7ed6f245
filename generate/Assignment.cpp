#include <array>
#include <span>
#include <string>

#include "generate/AssignmentTables.h"
#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/Terms.h"

namespace {

using Row = Range<AssignmentPick>;
constexpr bool kClans = true;
constexpr bool kNoClans = false;

// clang-format off
constexpr std::array<Row, 5> kCapellanFreeWorldsTable = {{
    {0,   3, {{}, kNoClans, AssignmentTable::GarrisonOrCadre}},
    {4,   4, {"Defensive Campaign"}},
    {5,   7, {"Objective Raid"}},
    {8,  11, {"Planetary Assault"}},
    {12, 12, {{}, kNoClans, AssignmentTable::Special}},
}};

// One die.
constexpr std::array<Row, 2> kGarrisonOrCadreTable = {{
    {0, 3, {"Garrison Duty"}},
    {4, 6, {"Cadre Duty"}},
}};

constexpr std::array<Row, 8> kFedComDraconisTable = {{
    {0,   3, {"Garrison Duty",      kNoClans}},
    {4,   5, {"Objective Raid",     kNoClans}},
    {6,   6, {"Cadre Duty",         kNoClans}},
    {7,   8, {"Objective Raid",     kClans}},
    {9,   9, {"Planetary Assault",  kClans}},
    {10, 10, {"Defensive Campaign", kNoClans}},
    {11, 11, {"Pirate Hunting",     kNoClans}},
    {12, 12, {{},                   kNoClans, AssignmentTable::Special}},
}};

constexpr std::array<Row, 5> kPeripheryTable = {{
    {0,   3, {"Objective Raid"}},
    {4,   6, {"Planetary Assault"}},
    {7,   9, {"Garrison Duty"}},
    {10, 11, {"Riot Duty"}},
    {12, 12, {"Security Duty"}},
}};

constexpr std::array<Row, 4> kMercenaryTable = {{
    {0,   3, {"Defensive Campaign"}},
    {4,   8, {"Planetary Assault"}},
    {9,  10, {"Objective Raid"}},
    {11, 12, {"Relief Duty"}},
}};

constexpr std::array<Row, 5> kCorpTable = {{
    {0,   4, {"Security Duty",   kNoClans}},
    {5,   7, {"Objective Raid",  kClans}},
    {8,  10, {"Extraction Raid", kClans}},
    {11, 11, {"Objective Raid",  kNoClans}},
    {12, 12, {"Cadre Duty",      kNoClans}},
}};

// Never marks a contract against the Clans.
constexpr std::array<Row, 7> kSpecialTable = {{
    {0,   3, {"Recon Raid"}},
    {4,   4, {"Security Duty"}},
    {5,   5, {"Diversionary Raid"}},
    {6,   7, {"Relief Duty"}},
    {8,   9, {"Extraction Raid"}},
    {10, 11, {"Riot Duty"}},
    {12, 12, {"Guerrilla Warfare"}},
}};
// clang-format on

static_assert(coversTotals(kCapellanFreeWorldsTable, 0, 12));
static_assert(coversTotals(kGarrisonOrCadreTable, 0, 6));
static_assert(coversTotals(kFedComDraconisTable, 0, 12));
static_assert(coversTotals(kPeripheryTable, 0, 12));
static_assert(coversTotals(kMercenaryTable, 0, 12));
static_assert(coversTotals(kCorpTable, 0, 12));
static_assert(coversTotals(kSpecialTable, 0, 12));

constexpr NestedTable<AssignmentPick> tableFor(AssignmentTable table) {
    switch (table) {
        case AssignmentTable::FedComDraconis:
            return {kTwoDice, kFedComDraconisTable, "Federated Commonwealth/Draconis"};
        case AssignmentTable::Periphery:
            return {kTwoDice, kPeripheryTable, "Periphery employer"};
        case AssignmentTable::Mercenary:
            return {kTwoDice, kMercenaryTable, "Mercenary employer"};
        case AssignmentTable::Corp:
            return {kTwoDice, kCorpTable, "Corp employer"};
        case AssignmentTable::GarrisonOrCadre:
            return {kOneDie, kGarrisonOrCadreTable, "garrison or cadre"};
        case AssignmentTable::Special:
            return {kTwoDice, kSpecialTable, "special"};
        case AssignmentTable::CapellanFreeWorlds:
        case AssignmentTable::None:
            break;
    }
    return {kTwoDice, kCapellanFreeWorldsTable, "Capellan/Free Worlds"};
}

// Tables for employers that are not great powers, by kind (same order as EmployerKind).
constexpr std::array<AssignmentTable, 3> kTableByKind = {
    AssignmentTable::Mercenary, AssignmentTable::Corp, AssignmentTable::Periphery};

}  // namespace

AssignmentTable assignmentTableFor(std::string_view employer) {
    if (employer == kCapellan || employer == kFreeWorlds) {
        return AssignmentTable::CapellanFreeWorlds;
    }
    if (employer == kFedCom || employer == kDraconis) {
        return AssignmentTable::FedComDraconis;
    }
    return kTableByKind[static_cast<std::size_t>(kindOfEmployer(employer))];
}

AssignmentPick assignmentForRoll(AssignmentTable table, int roll) {
    return lookupRange(tableFor(table).rows, roll);
}

std::string_view rollSpecialAssignment(Dice& dice) {
    return rollNested(dice, Unrecorded{}, AssignmentTable::Special, tableFor).name;
}

AssignmentPick rollAssignment(Dice& dice, std::string_view employer, std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> AssignmentPick {
        if (record.fixedTerm(RolledTerm::Assignment, choice)) {
            return {choice};
        }
        if (!employerInTables(employer)) {
            record.tell([](RollRecorder& recorder) { recorder.note(kNotInTables); });
        }
        const AssignmentPick pick =
            rollNested(dice, record, assignmentTableFor(employer), tableFor);
        record.result(pick.name, pick.againstClans ? kAgainstClansSuffix : std::string_view());
        return pick;
    });
}
