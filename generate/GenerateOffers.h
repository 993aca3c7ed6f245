#pragma once

#include <optional>
#include <string_view>

#include "document/ContractOffer.h"
#include "generate/AssignmentTables.h"
#include "generate/RuleSet.h"

class Dice;

// A generation, step by step: rollOfferCount (generate/OfferCount.h) first, then the terms of
// each offer the count calls for, in order; all it needs is the dice. Appending the pay amount to
// each multiplier (appendPayAmount, generate/PayMultiplier.h) is the one step that needs the base
// pay, and it may follow each offer at once.

// The ten terms of one offer as they fall, before they become an offer's texts: views into the
// rules or into the choices, so that rolling them copies no text. The assignment's name
// comes without " against Clans" (its flag says so); a rolled multiplier is a count of hundredths
// (its text is formatHundredths of it), a fixed one is the choice's text.
struct RolledTerms {
    std::string_view employer;
    AssignmentPick assignment;
    std::string_view contractLength;
    std::optional<long long> multiplierHundredths;  // empty when the choice fixed the multiplier
    std::string_view fixedMultiplier;               // that choice
    std::string_view straightSupport;
    std::string_view battleLossCompensation;
    std::string_view dsjsCompensation;
    std::string_view commercialCompensation;
    std::string_view salvageRights;
    std::string_view commandRights;

    // The number the multiplier text reads as.
    double multiplier() const;
};

// The ten terms of one offer, rolled in their fixed order. `choices` fix terms as they stand
// ("Random" rolls them); the views into them live as long as `choices`.
RolledTerms rollTerms(Dice& dice, std::string_view rating, const OfferChoices& choices,
                      const RuleSet& rules = builtInRules());
// The same with every term rolled.
RolledTerms rollTerms(Dice& dice, std::string_view rating, const RuleSet& rules = builtInRules());

// The ten terms rolled as rollTerms rolls them, written into `offer`; its dates and location are
// left alone. Returns the number the multiplier text reads as, for appendPayAmount.
double rollOfferTerms(Dice& dice, std::string_view rating, const OfferChoices& choices,
                      ContractOffer& offer, const RuleSet& rules = builtInRules());
// The same with every term rolled.
double rollOfferTerms(Dice& dice, std::string_view rating, ContractOffer& offer,
                      const RuleSet& rules = builtInRules());
