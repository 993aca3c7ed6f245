#pragma once

#include <string_view>

#include "generate/RuleSet.h"

class Dice;

// The offer-count roll: two dice plus a modifier for the unit's rating.

// The rating's modifier: in the built-in rules "A" +5, "B" +3, "C" +2, "D" +1, any other text +0.
int offerCountModifier(std::string_view rating, const RuleSet& rules = builtInRules());
// The number of offers, 0..4, for a total of two dice plus the modifier.
int offerCountForTotal(int total, const RuleSet& rules = builtInRules());
// Two dice plus the rating's modifier, as a number of offers 0..4.
int rollOfferCount(Dice& dice, std::string_view rating, const RuleSet& rules = builtInRules());
