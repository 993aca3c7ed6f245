#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "generate/RuleSet.h"

// The payment multiplier: a base for the rating, times an employer factor, times an assignment
// factor (or 2 against the Clans). All factors are single precision on purpose: the texts the
// product prints depend on it (2.1f * 0.75f prints 1.57, not 1.58).

float payBaseFor(std::string_view rating, const RuleSet& rules = builtInRules());
// The factor of the employers the rules name; empty for every other employer.
std::optional<float> namedEmployerPayFactor(std::string_view employer,
                                            const RuleSet& rules = builtInRules());
// The factor a "Corp" employer gets for its two-dice roll (1 where the table gives none).
float corpPayFactorForRoll(int roll, const RuleSet& rules = builtInRules());
// The factor of an assignment (the rules' default where the table gives none).
float assignmentPayFactor(std::string_view assignment, const RuleSet& rules = builtInRules());

// (base * employer factor) rounded to single precision, then times the assignment factor, or
// times the against-Clans factor (2 in the built-in rules). The multiplier text prints it with two
// decimals.
double payMultiplierProduct(float base, float employerFactor, float assignmentFactor,
                            bool againstClans, const RuleSet& rules = builtInRules());

// Appends "x Pay = (<multiplier * base pay> C-Bills)" to a multiplier field; the amount is printed
// in full whatever its size. This is the one step of a generation that needs the base pay.
void appendPayAmount(std::string& multiplierField, double multiplier, double basePay);
