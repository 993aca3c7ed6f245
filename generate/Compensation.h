#pragma once

#include <string_view>

#include "generate/RuleSet.h"

// Support (two dice plus a modifier) and transport (one die) compensation.

// The rating's modifier plus the employer's: in the built-in rules "A" +2, "B" or "C" +1, and the
// "Free Worlds League" 3 more.
int supportModifier(std::string_view rating, std::string_view employer,
                    const RuleSet& rules = builtInRules());
std::string_view straightSupportForTotal(int total, const RuleSet& rules = builtInRules());
std::string_view battleLossForTotal(int total, const RuleSet& rules = builtInRules());
std::string_view dsJsForFace(int face, const RuleSet& rules = builtInRules());
std::string_view commercialForFace(int face, const RuleSet& rules = builtInRules());
