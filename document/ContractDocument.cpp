#include "document/ContractDocument.h"

#include <algorithm>

#include "document/NumberText.h"
#include "document/SettingsStore.h"

ContractDocument::ContractDocument(SettingsStore& settings) : m_settings(settings) {}

int ContractDocument::visibleOfferCount() const {
    return std::clamp(m_offerCount, 0, kMaxOffers);
}

DocumentContent ContractDocument::content() const {
    return {m_rating, m_offerCount, m_offers, m_customChoices, m_rolls};
}

void ContractDocument::setContent(DocumentContent content) {
    m_rating = std::move(content.rating);
    m_offerCount = content.offerCount;
    m_offers = std::move(content.offers);
    m_customChoices = std::move(content.customChoices);
    m_rolls = std::move(content.rolls);
}

void ContractDocument::resetToNew() {
    m_rating = "D";
    m_offers.fill(ContractOffer{});
    resetToUntitled();
}

void ContractDocument::resetToUntitled() {
    m_pathName.clear();
    m_offerCount = 0;
    m_rolls.clear();
    for (ContractOffer& offer : m_offers) {
        offer.startDate = kDefaultStartDate;
        offer.endDate = kDefaultEndDate;
        offer.location = kDefaultLocation;
    }
    m_title = kUntitled;
}

double ContractDocument::basePay() const {
    return parseNumber(
        m_settings.readText(settings::kSection, settings::kPay, settings::kPayForGeneration));
}
