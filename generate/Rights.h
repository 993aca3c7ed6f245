#pragma once

#include <optional>
#include <string_view>

#include "generate/RollTable.h"

// Salvage rights (two dice, raised for some employers) and command rights (by employer).

// The employer's salvage modifier: in the built-in rules 5 for the "Free Rasalhague Republic" and
// the "Draconis Combine", else 0.
int salvageBonus(std::string_view employer, const RuleSet& rules = builtInRules());
std::string_view salvageForTotal(int total, const RuleSet& rules = builtInRules());

// The dice a great power's command table is rolled with; empty for employers that get a fixed
// value by kind.
std::optional<TableDice> commandDiceFor(std::string_view employer,
                                        const RuleSet& rules = builtInRules());
// The command rights for `employer` and a roll of its dice (ignored for employers without a table).
std::string_view commandRightsFor(std::string_view employer, int roll,
                                  const RuleSet& rules = builtInRules());
