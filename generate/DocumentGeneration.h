#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/ContractOffer.h"
#include "document/DocumentContent.h"
#include "generate/RuleSet.h"

class Generator;

// Generation done to a document's content. Whoever issues the commands owns the generator (the
// window's session, or --roll its own) and passes it in with the base pay and the rules the
// tables come from (builtInRules() unless the user chose a rules file), so the content stays
// plain data and a fixed seed reproduces every roll. Rules other than the built-in ones name
// themselves at the start of each rolled term's explanation.

// Replaces the offers of `content` with a new generation: the count follows the content's
// rating; the first offer follows `choices` and `rating`, the others roll every term. The pay
// amounts are worked out from `basePay`. The roll record is replaced by this generation's, or
// emptied when `recordRolls` is false: the dice are exactly the same, only rolled faster.
void generateOffers(DocumentContent& content, std::string_view rating, const OfferChoices& choices,
                    double basePay, const RuleSet& rules, Generator& generator,
                    bool recordRolls = true);

// Rolls the term `field` of offer `offer` (0..shown offers - 1) again, as a generation rolls it,
// from the content's rating and the offer's texts as they stand; a multiplier gets its pay
// amount for `basePay`. The term's record is replaced. False, rolling nothing, for an offer that
// is not shown or a field that is not one of the ten rolled terms.
bool rollTermAgain(DocumentContent& content, int offer, std::string ContractOffer::*field,
                   double basePay, const RuleSet& rules, Generator& generator,
                   bool recordRolls = true);

// The seed of a generator that was given none: the clock, in whole seconds.
std::uint32_t generatorSeedFromClock();
