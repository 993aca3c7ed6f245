#pragma once

#include <optional>
#include <string_view>

#include "generate/RollTable.h"

// The contract-length tables, chosen by the assignment text.

// What an assignment that no built-in table knows gets, without a roll.
inline constexpr std::string_view kUnknownLength = "Gamemaster's descretion";

// The dice the assignment's table is rolled with; empty for an assignment no table knows.
std::optional<TableDice> lengthDiceFor(std::string_view assignment,
                                       const RuleSet& rules = builtInRules());
// The length for `assignment` and a roll of its dice; the rules' unknown length for an assignment
// no table knows.
std::string_view contractLengthFor(std::string_view assignment, int roll,
                                   const RuleSet& rules = builtInRules());
