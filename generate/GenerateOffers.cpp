#include <string>

#include "document/ContractDocument.h"
#include "document/NumberText.h"
#include "document/SettingsStore.h"
#include "generate/PayMultiplier.h"
#include "generate/Terms.h"

namespace {

constexpr std::string_view kAgainstClansSuffix = " against Clans";

// The eight choices of one offer, as views: the caller's for the first offer, "Random" for the
// others, without building eight strings per offer.
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

}  // namespace

void ContractDocument::generateOffers(std::string rating, OfferChoices choices) {
    // The count is always the first roll of a run, and it follows the document's rating.
    m_offerCount = rollOfferCount(m_rating);
    const double basePay = parseNumber(
        settings().readText(settings::kSection, settings::kPay, settings::kPayForGeneration));
    if (m_offerCount < 1) {
        return;
    }

    // Only the first offer honours the caller's choices and rating argument.
    const ChoiceViews given = viewsOf(choices);
    const ChoiceViews rolled;
    for (int k = 0; k < m_offerCount && k < kMaxOffers; ++k) {
        const ChoiceViews& choice = k == 0 ? given : rolled;
        const std::string_view offerRating = k == 0 ? rating : m_rating;
        ContractOffer& offer = m_offers[static_cast<std::size_t>(k)];

        // The order of these calls fixes which rolls each term consumes. Each result is copied
        // into the offer's field at once; the later terms read the stored texts.
        m_againstClans = 0;
        offer.employer.assign(employerTerm(*this, choice.employer));
        offer.assignment.assign(assignmentTerm(*this, offer.employer, choice.assignment));
        offer.contractLength.assign(
            contractLengthTerm(*this, offer.assignment, choice.contractLength));
        const std::optional<double> rolledMultiplier =
            payMultiplierTerm(*this, offerRating, offer.employer, offer.assignment,
                              choice.paymentMultiplier, offer.paymentMultiplier);
        offer.straightSupport.assign(
            straightSupportTerm(*this, offerRating, choice.support, offer.employer));
        offer.battleLossCompensation.assign(
            battleLossTerm(*this, offerRating, choice.support, offer.employer));
        offer.dsjsCompensation.assign(dsJsTerm(*this, choice.transport));
        offer.commercialCompensation.assign(commercialTerm(*this, choice.transport));
        offer.salvageRights.assign(salvageRightsTerm(*this, choice.salvageRights, offer.employer));
        offer.commandRights.assign(commandRightsTerm(*this, choice.commandRights, offer.employer));

        // Appended only now, so that no term above saw the suffix.
        if (m_againstClans != 0) {
            offer.assignment += kAgainstClansSuffix;
        }
        // The multiplier as its text reads: a fixed choice is read by the C library's rule.
        const double multiplier =
            rolledMultiplier ? *rolledMultiplier : parseNumber(offer.paymentMultiplier);
        appendPayAmount(offer.paymentMultiplier, multiplier, basePay);
    }
}
