#include "generate/GenerateOffers.h"

#include <string>

#include "document/NumberText.h"
#include "generate/Dice.h"
#include "generate/PayMultiplier.h"
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

// The order of these calls fixes which rolls each term consumes. Each result is copied into the
// offer's field at once; the later terms read the stored texts.
double rollTerms(Dice& dice, std::string_view rating, const ChoiceViews& choice,
                 ContractOffer& offer) {
    offer.employer.assign(rollEmployer(dice, choice.employer));
    const AssignmentPick assignment = rollAssignment(dice, offer.employer, choice.assignment);
    offer.assignment.assign(assignment.name);
    offer.contractLength.assign(rollContractLength(dice, offer.assignment, choice.contractLength));
    const std::optional<double> rolledMultiplier =
        rollPayMultiplier(dice, rating, offer.employer, offer.assignment, assignment.againstClans,
                          choice.paymentMultiplier, offer.paymentMultiplier);
    offer.straightSupport.assign(rollStraightSupport(dice, rating, offer.employer, choice.support));
    offer.battleLossCompensation.assign(
        rollBattleLossCompensation(dice, rating, offer.employer, choice.support));
    offer.dsjsCompensation.assign(rollDsJsCompensation(dice, choice.transport));
    offer.commercialCompensation.assign(rollCommercialCompensation(dice, choice.transport));
    offer.salvageRights.assign(rollSalvageRights(dice, offer.employer, choice.salvageRights));
    offer.commandRights.assign(rollCommandRights(dice, offer.employer, choice.commandRights));

    // Appended only now, so that no term above saw the suffix.
    if (assignment.againstClans) {
        offer.assignment += kAgainstClansSuffix;
    }
    // A fixed multiplier is read as its text reads, by the C library's rule.
    return rolledMultiplier ? *rolledMultiplier : parseNumber(offer.paymentMultiplier);
}

}  // namespace

double rollOfferTerms(Dice& dice, std::string_view rating, const OfferChoices& choices,
                      ContractOffer& offer) {
    return rollTerms(dice, rating, viewsOf(choices), offer);
}

double rollOfferTerms(Dice& dice, std::string_view rating, ContractOffer& offer) {
    return rollTerms(dice, rating, ChoiceViews{}, offer);
}
