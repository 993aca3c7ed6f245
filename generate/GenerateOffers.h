#pragma once

#include <string_view>

#include "document/ContractOffer.h"

class Dice;

// A generation, step by step: rollOfferCount (generate/OfferCount.h) first, then the terms of
// each offer the count calls for, in order; all it needs is the dice. Appending the pay amount to
// each multiplier (appendPayAmount, generate/PayMultiplier.h) is the one step that needs the base
// pay, and it may follow each offer at once.

// The ten terms of one offer, rolled in their fixed order into `offer`; its dates and location
// are left alone. `choices` fix terms as they stand ("Random" rolls them). Returns the number the
// multiplier text reads as, for appendPayAmount.
double rollOfferTerms(Dice& dice, std::string_view rating, const OfferChoices& choices,
                      ContractOffer& offer);
// The same with every term rolled.
double rollOfferTerms(Dice& dice, std::string_view rating, ContractOffer& offer);
