#pragma once

#include <string_view>

#include "generate/RuleSet.h"

// The nested employer tables and the employer kinds.

// The built-in employer tables by position; a rules file may add more, numbered on.
enum class EmployerTable { None = -1, Main, Periphery, Corporation, MinorPeriphery, Mercenary };

// One table row: either a named employer, or the table to roll on next.
struct EmployerPick {
    std::string_view name;  // empty when `next` names another table
    EmployerTable next = EmployerTable::None;
};

// The row of `table` for a roll; rolls outside the table's dice are clamped.
EmployerPick employerForRoll(EmployerTable table, int roll, const RuleSet& rules = builtInRules());
// The kind by exact name: the names of Mercenary tables, then of Corp tables, else periphery
// (which also covers the great powers; callers test those by name first).
EmployerKind kindOfEmployer(std::string_view employer, const RuleSet& rules = builtInRules());
// "Mercenary", "Corp" or "Periphery".
std::string_view kindName(EmployerKind kind);
// Whether some employer table gives the name. Any other (a hand-written employer) counts as
// Periphery, and its explanations say so.
bool employerInTables(std::string_view employer, const RuleSet& rules = builtInRules());
inline constexpr std::string_view kNotInTables = "not in the tables, taken as ";

// The four great powers and a periphery state that several built-in tables single out.
inline constexpr std::string_view kCapellan = "Capellan Confederation";
inline constexpr std::string_view kFreeWorlds = "Free Worlds League";
inline constexpr std::string_view kDraconis = "Draconis Combine";
inline constexpr std::string_view kFedCom = "Federated Commonwealth";
inline constexpr std::string_view kRasalhague = "Free Rasalhague Republic";
