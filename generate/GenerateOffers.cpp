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

ChoiceViews ViewsOf(const OfferChoices& choices) {
    return {choices.employer, choices.assignment, choices.contractLength, choices.paymentMultiplier,
            choices.support,  choices.transport,  choices.salvageRights,  choices.commandRights};
}

}  // namespace

void ContractDocument::GenerateOffers(std::string rating, OfferChoices choices) {
    // The count is always the first roll of a run, and it follows the document's rating.
    m_offerCount = RollOfferCount(m_rating);
    const double basePay = ParseNumber(
        Settings().ReadText(settings::kSection, settings::kPay, settings::kPayForGeneration));
    if (m_offerCount < 1) {
        return;
    }

    // Only the first offer honours the caller's choices and rating argument.
    const ChoiceViews given = ViewsOf(choices);
    const ChoiceViews rolled;
    for (int k = 0; k < m_offerCount && k < kMaxOffers; ++k) {
        const ChoiceViews& choice = k == 0 ? given : rolled;
        const std::string_view offerRating = k == 0 ? rating : m_rating;
        ContractOffer& offer = m_offers[static_cast<std::size_t>(k)];

        // The order of these calls fixes which rolls each term consumes. Each result is copied
        // into the offer's field at once; the later terms read the stored texts.
        m_againstClans = 0;
        offer.employer.assign(EmployerTerm(*this, choice.employer));
        offer.assignment.assign(AssignmentTerm(*this, offer.employer, choice.assignment));
        offer.contractLength.assign(
            ContractLengthTerm(*this, offer.assignment, choice.contractLength));
        const std::optional<double> rolledMultiplier =
            PayMultiplierTerm(*this, offerRating, offer.employer, offer.assignment,
                              choice.paymentMultiplier, offer.paymentMultiplier);
        offer.straightSupport.assign(
            StraightSupportTerm(*this, offerRating, choice.support, offer.employer));
        offer.battleLossCompensation.assign(
            BattleLossTerm(*this, offerRating, choice.support, offer.employer));
        offer.dsjsCompensation.assign(DsJsTerm(*this, choice.transport));
        offer.commercialCompensation.assign(CommercialTerm(*this, choice.transport));
        offer.salvageRights.assign(SalvageRightsTerm(*this, choice.salvageRights, offer.employer));
        offer.commandRights.assign(CommandRightsTerm(*this, choice.commandRights, offer.employer));

        // Appended only now, so that no term above saw the suffix.
        if (m_againstClans != 0) {
            offer.assignment += kAgainstClansSuffix;
        }
        // The multiplier as its text reads: a fixed choice is read by the C library's rule.
        const double multiplier =
            rolledMultiplier ? *rolledMultiplier : ParseNumber(offer.paymentMultiplier);
        AppendPayAmount(offer.paymentMultiplier, multiplier, basePay);
    }
}
