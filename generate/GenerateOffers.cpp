#include "generate/GenerateOffers.h"

#include <string>

#include "document/NumberText.h"
#include "generate/Dice.h"
#include "generate/Terms.h"

namespace {

// The eight choices of one offer, as views, so that an offer with every term rolled needs no
// strings of its own.
struct ChoiceViews {
    std::string_view employer = kRandomChoice;
    std::string_view assignment = kRandomChoice;
    std::string_view contractLength = kRandomChoice;
    std::string_view paymentMultiplier = kRandomChoice;
    std::string_view support = kRandomChoice;
    std::string_view transport = kRandomChoice;
    std::string_view salvageRights = kRandomChoice;
    std::string_view commandRights = kRandomChoice;
};

ChoiceViews viewsOf(const OfferChoices& choices) {
    return {choices.employer, choices.assignment, choices.contractLength, choices.paymentMultiplier,
            choices.support,  choices.transport,  choices.salvageRights,  choices.commandRights};
}

// The order of these calls fixes which rolls each term consumes. The later terms read the
// earlier ones without the Clans suffix.
RolledTerms rollViews(Dice& dice, std::string_view rating, const ChoiceViews& choice,
                      const RuleSet& rules) {
    RolledTerms terms;
    terms.employer = rollEmployer(dice, choice.employer, rules);
    terms.assignment = rollAssignment(dice, terms.employer, choice.assignment, rules);
    terms.contractLength =
        rollContractLength(dice, terms.assignment.name, choice.contractLength, rules);
    terms.multiplierHundredths =
        rollPayMultiplier(dice, rating, terms.employer, terms.assignment.name,
                          terms.assignment.againstClans, choice.paymentMultiplier, rules);
    terms.fixedMultiplier = choice.paymentMultiplier;
    terms.straightSupport =
        rollStraightSupport(dice, rating, terms.employer, choice.support, rules);
    terms.battleLossCompensation =
        rollBattleLossCompensation(dice, rating, terms.employer, choice.support, rules);
    terms.dsjsCompensation = rollDsJsCompensation(dice, choice.transport, rules);
    terms.commercialCompensation = rollCommercialCompensation(dice, choice.transport, rules);
    terms.salvageRights = rollSalvageRights(dice, terms.employer, choice.salvageRights, rules);
    terms.commandRights = rollCommandRights(dice, terms.employer, choice.commandRights, rules);
    return terms;
}

double writeOffer(const RolledTerms& terms, ContractOffer& offer) {
    offer.employer.assign(terms.employer);
    offer.assignment.assign(terms.assignment.name);
    if (terms.assignment.againstClans) {
        offer.assignment += kAgainstClansSuffix;
    }
    offer.contractLength.assign(terms.contractLength);
    // assign() keeps the field's buffer, which the pay text appended next will need.
    if (terms.multiplierHundredths) {
        offer.paymentMultiplier.assign(formatHundredths(*terms.multiplierHundredths));
    } else {
        offer.paymentMultiplier.assign(terms.fixedMultiplier);
    }
    offer.straightSupport.assign(terms.straightSupport);
    offer.battleLossCompensation.assign(terms.battleLossCompensation);
    offer.dsjsCompensation.assign(terms.dsjsCompensation);
    offer.commercialCompensation.assign(terms.commercialCompensation);
    offer.salvageRights.assign(terms.salvageRights);
    offer.commandRights.assign(terms.commandRights);
    return terms.multiplier();
}

}  // namespace

double RolledTerms::multiplier() const {
    // A rolled text reads back as exactly hundredths / 100; a fixed one by the C library's rule.
    return multiplierHundredths ? static_cast<double>(*multiplierHundredths) / 100.0
                                : parseNumber(fixedMultiplier);
}

RolledTerms rollTerms(Dice& dice, std::string_view rating, const OfferChoices& choices,
                      const RuleSet& rules) {
    return rollViews(dice, rating, viewsOf(choices), rules);
}

RolledTerms rollTerms(Dice& dice, std::string_view rating, const RuleSet& rules) {
    return rollViews(dice, rating, ChoiceViews{}, rules);
}

double rollOfferTerms(Dice& dice, std::string_view rating, const OfferChoices& choices,
                      ContractOffer& offer, const RuleSet& rules) {
    return writeOffer(rollTerms(dice, rating, choices, rules), offer);
}

double rollOfferTerms(Dice& dice, std::string_view rating, ContractOffer& offer,
                      const RuleSet& rules) {
    return writeOffer(rollTerms(dice, rating, rules), offer);
}
