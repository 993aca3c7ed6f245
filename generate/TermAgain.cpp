#include "generate/TermAgain.h"

#include <algorithm>
#include <array>

#include "document/NumberText.h"
#include "document/OfferTerms.h"
#include "generate/AssignmentTables.h"
#include "generate/Dice.h"
#include "generate/PayMultiplier.h"
#include "generate/Terms.h"

namespace {

using Field = std::string ContractOffer::*;

struct AssignmentInput {
    std::string_view name;
    bool againstClans = false;
};

// The terms see an assignment as a generation hands it on: " against Clans" as a flag, not text.
AssignmentInput assignmentAsRolled(std::string_view listed) {
    if (listed.ends_with(kAgainstClansSuffix)) {
        return {listed.substr(0, listed.size() - kAgainstClansSuffix.size()), true};
    }
    return {listed, false};
}

}  // namespace

bool isRolledTerm(Field field) {
    // The rolled terms are the table's first rows, in the order a generation rolls them.
    const OfferTerm* term = offerTerm(field);
    return term != nullptr && term < kOfferTerms.data() + kRolledFieldCount;
}

bool rollTermAgain(Dice& dice, std::string_view rating, Field field, double basePay,
                   ContractOffer& offer, const RuleSet& rules) {
    if (!isRolledTerm(field)) {
        return false;
    }
    const std::string_view employer = offer.employer;
    const AssignmentInput assignment = assignmentAsRolled(offer.assignment);
    std::string& out = offer.*field;
    if (field == &ContractOffer::employer) {
        out.assign(rollEmployer(dice, kRandomChoice, rules));
    } else if (field == &ContractOffer::assignment) {
        const AssignmentPick pick = rollAssignment(dice, employer, kRandomChoice, rules);
        std::string rolled(pick.name);
        if (pick.againstClans) {
            rolled += kAgainstClansSuffix;
        }
        out = std::move(rolled);
    } else if (field == &ContractOffer::contractLength) {
        out.assign(rollContractLength(dice, assignment.name, kRandomChoice, rules));
    } else if (field == &ContractOffer::paymentMultiplier) {
        const long long hundredths = *rollPayMultiplier(
            dice, rating, employer, assignment.name, assignment.againstClans, kRandomChoice, rules);
        std::string multiplier = formatHundredths(hundredths);
        appendPayAmount(multiplier, static_cast<double>(hundredths) / 100.0, basePay);
        out = std::move(multiplier);
    } else if (field == &ContractOffer::straightSupport) {
        out.assign(rollStraightSupport(dice, rating, employer, kRandomChoice, rules));
    } else if (field == &ContractOffer::battleLossCompensation) {
        out.assign(rollBattleLossCompensation(dice, rating, employer, kRandomChoice, rules));
    } else if (field == &ContractOffer::dsjsCompensation) {
        out.assign(rollDsJsCompensation(dice, kRandomChoice, rules));
    } else if (field == &ContractOffer::commercialCompensation) {
        out.assign(rollCommercialCompensation(dice, kRandomChoice, rules));
    } else if (field == &ContractOffer::salvageRights) {
        out.assign(rollSalvageRights(dice, employer, kRandomChoice, rules));
    } else {
        out.assign(rollCommandRights(dice, employer, kRandomChoice, rules));
    }
    return true;
}
