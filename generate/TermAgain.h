#pragma once

#include <string>
#include <string_view>

#include "document/ContractOffer.h"
#include "generate/RuleSet.h"

class Dice;

// Rolling one term of an offer again, on its own, while the others stand.

// True for the ten fields a generation rolls (employer to command rights); false for the dates,
// the location and a null field.
bool isRolledTerm(std::string ContractOffer::*field);

// Rolls the term `field` of `offer` again with the term function a generation uses, fed with the
// offer's texts as they stand now (edits included), and stores it in that field alone. The
// assignment gains or loses " against Clans" as in a generation; the payment multiplier gets
// its pay amount for `basePay`. Returns false, rolling nothing, when `field` is not a rolled term.
bool rollTermAgain(Dice& dice, std::string_view rating, std::string ContractOffer::*field,
                   double basePay, ContractOffer& offer, const RuleSet& rules = builtInRules());
