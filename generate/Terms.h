#pragma once

#include <optional>
#include <string_view>

#include "generate/AssignmentTables.h"
#include "generate/RuleSet.h"

class Dice;

// The terms of one offer, each rolled on its table of `rules` with the dice it is handed. A choice
// other than "Random" is the term as it stands and rolls nothing. The texts returned are views
// into the choice or into the rules, so that a generation copies each text once, into the offer.
// The order in which a generation calls these decides which dice each term takes.

std::string_view rollEmployer(Dice& dice, std::string_view choice,
                              const RuleSet& rules = builtInRules());
// The assignment and whether the contract is against the Clans (only a rolled one can be).
AssignmentPick rollAssignment(Dice& dice, std::string_view employer, std::string_view choice,
                              const RuleSet& rules = builtInRules());
// The special table of the built-in rules alone.
std::string_view rollSpecialAssignment(Dice& dice);
std::string_view rollContractLength(Dice& dice, std::string_view assignment,
                                    std::string_view choice, const RuleSet& rules = builtInRules());
// The multiplier as a count of hundredths when it is rolled (its text prints those with two
// decimals, and reads back as exactly hundredths / 100); nothing for a fixed choice, whose text
// is the multiplier.
std::optional<long long> rollPayMultiplier(Dice& dice, std::string_view rating,
                                           std::string_view employer, std::string_view assignment,
                                           bool againstClans, std::string_view choice,
                                           const RuleSet& rules = builtInRules());
// Straight support and battle-loss compensation each roll their own dice.
std::string_view rollStraightSupport(Dice& dice, std::string_view rating, std::string_view employer,
                                     std::string_view choice,
                                     const RuleSet& rules = builtInRules());
std::string_view rollBattleLossCompensation(Dice& dice, std::string_view rating,
                                            std::string_view employer, std::string_view choice,
                                            const RuleSet& rules = builtInRules());
std::string_view rollDsJsCompensation(Dice& dice, std::string_view choice,
                                      const RuleSet& rules = builtInRules());
std::string_view rollCommercialCompensation(Dice& dice, std::string_view choice,
                                            const RuleSet& rules = builtInRules());
std::string_view rollSalvageRights(Dice& dice, std::string_view employer, std::string_view choice,
                                   const RuleSet& rules = builtInRules());
std::string_view rollCommandRights(Dice& dice, std::string_view employer, std::string_view choice,
                                   const RuleSet& rules = builtInRules());
