#pragma once

#include <string_view>

// The nested employer tables and the employer kinds.

enum class EmployerTable { Main, Periphery, Corporation, MinorPeriphery, Mercenary, None };

// One table row: either a named employer, or a pointer to the table to roll on next.
struct EmployerPick {
    std::string_view name;  // empty when `next` names another table
    EmployerTable next = EmployerTable::None;
};

enum class EmployerKind { Mercenary, Corp, Periphery };

// The row of `table` for a roll; rolls outside the table's dice are clamped.
EmployerPick employerForRoll(EmployerTable table, int roll);
// The kind by exact name: the mercenary-table names, the corporation-table names, else periphery
// (which also covers the great powers; callers test those by name first).
EmployerKind kindOfEmployer(std::string_view employer);
// "Mercenary", "Corp" or "Periphery".
std::string_view kindName(EmployerKind kind);
// Whether some employer table gives the name. Any other (a hand-written employer) counts as
// Periphery, and its explanations say so.
bool employerInTables(std::string_view employer);
inline constexpr std::string_view kNotInTables = "not in the tables, taken as ";

// The four great powers, as the term tables test them.
inline constexpr std::string_view kCapellan = "Capellan Confederation";
inline constexpr std::string_view kFreeWorlds = "Free Worlds League";
inline constexpr std::string_view kDraconis = "Draconis Combine";
inline constexpr std::string_view kFedCom = "Federated Commonwealth";
// A periphery state that several tables single out.
inline constexpr std::string_view kRasalhague = "Free Rasalhague Republic";
