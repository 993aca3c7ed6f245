#pragma once

#include <string_view>

#include "generate/RuleSet.h"

// The assignment tables: one per pair of great powers, one per employer kind, and two small
// tables reached from the great-power tables.

// The built-in assignment tables by position; a rules file may add more, numbered on.
enum class AssignmentTable {
    None = -1,
    CapellanFreeWorlds,
    FedComDraconis,
    Periphery,
    Mercenary,
    Corp,
    GarrisonOrCadre,  // one die, reached from the Capellan/Free Worlds table on 0..3
    Special,          // reached from either great-power table on a 12
};

// What a generation appends to an assignment against the Clans, once the offer's terms are rolled.
inline constexpr std::string_view kAgainstClansSuffix = " against Clans";

struct AssignmentPick {
    std::string_view name;  // empty when `next` names another table
    bool againstClans = false;
    AssignmentTable next = AssignmentTable::None;
};

// The table an employer rolls on (exact names first, then the employer's kind).
AssignmentTable assignmentTableFor(std::string_view employer,
                                   const RuleSet& rules = builtInRules());
// The row of `table` for a roll; rolls outside the table's dice are clamped.
AssignmentPick assignmentForRoll(AssignmentTable table, int roll,
                                 const RuleSet& rules = builtInRules());
