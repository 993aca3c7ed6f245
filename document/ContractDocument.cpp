#include "document/ContractDocument.h"

#include <algorithm>
#include <ctime>

#include "document/NumberText.h"
#include "document/SettingsStore.h"
#include "generate/Dice.h"
#include "generate/GenerateOffers.h"
#include "generate/OfferCount.h"
#include "generate/PayMultiplier.h"
#include "generate/TermAgain.h"

ContractDocument::ContractDocument(SettingsStore& settings)
    : ContractDocument(settings, static_cast<std::uint32_t>(std::time(nullptr))) {}

ContractDocument::ContractDocument(SettingsStore& settings, std::uint32_t seed)
    : m_settings(settings), m_generator(seed) {}

int ContractDocument::visibleOfferCount() const {
    return std::clamp(m_offerCount, 0, kMaxOffers);
}

DocumentContent ContractDocument::content() const {
    return {m_rating, m_offerCount, m_offers, m_customChoices};
}

void ContractDocument::setContent(DocumentContent content) {
    m_rating = std::move(content.rating);
    m_offerCount = content.offerCount;
    m_offers = std::move(content.offers);
    m_customChoices = std::move(content.customChoices);
}

void ContractDocument::resetToNew() {
    m_rating = "D";
    m_offers.fill(ContractOffer{});
    resetToUntitled();
}

void ContractDocument::resetToUntitled() {
    m_pathName.clear();
    m_modified = false;
    m_offerCount = 0;
    for (ContractOffer& offer : m_offers) {
        offer.startDate = kDefaultStartDate;
        offer.endDate = kDefaultEndDate;
        offer.location = kDefaultLocation;
    }
    m_title = kUntitled;
}

double ContractDocument::basePayForGeneration() const {
    return parseNumber(
        m_settings.readText(settings::kSection, settings::kPay, settings::kPayForGeneration));
}

void ContractDocument::generateOffers(std::string rating, OfferChoices choices) {
    Dice dice(m_generator);
    // The count is always the first roll, and it follows the document's rating.
    m_offerCount = rollOfferCount(dice, m_rating);
    const double basePay = basePayForGeneration();
    for (int k = 0; k < m_offerCount; ++k) {
        ContractOffer& offer = m_offers[static_cast<std::size_t>(k)];
        // Only the first offer honours the caller's choices and rating.
        const double multiplier = k == 0 ? rollOfferTerms(dice, rating, choices, offer)
                                         : rollOfferTerms(dice, m_rating, offer);
        appendPayAmount(offer.paymentMultiplier, multiplier, basePay);
    }
}

bool ContractDocument::rollTermAgain(int offer, std::string ContractOffer::*field) {
    if (offer < 0 || offer >= visibleOfferCount() || !isRolledTerm(field)) {
        return false;
    }
    Dice dice(m_generator);
    return ::rollTermAgain(dice, m_rating, field, basePayForGeneration(),
                           m_offers[static_cast<std::size_t>(offer)]);
}
