#pragma once

#include <optional>
#include <string>
#include <string_view>

// The payment multiplier: a base for the rating, times an employer factor, times an assignment
// factor (or 2 against the Clans). All factors are single precision on purpose: the texts the
// product prints depend on it (2.1f * 0.75f prints 1.57, not 1.58).

float payBaseFor(std::string_view rating);
// The factor of the five employers named in the table; empty for every other employer.
std::optional<float> namedEmployerPayFactor(std::string_view employer);
// The factor a "Corp" employer gets for its two-dice roll (1 where the table gives none).
float corpPayFactorForRoll(int roll);
// The factor of an assignment (1 where the table gives none).
float assignmentPayFactor(std::string_view assignment);

// (base * employer factor) rounded to single precision, then times the assignment factor, or
// times 2 against the Clans. The multiplier text prints it with two decimals.
double payMultiplierProduct(float base, float employerFactor, float assignmentFactor,
                            bool againstClans);

// Appends "x Pay = (<multiplier * base pay> C-Bills)" to a multiplier field; the amount is printed
// in full whatever its size. This is the one step of a generation that needs the base pay.
void appendPayAmount(std::string& multiplierField, double multiplier, double basePay);
