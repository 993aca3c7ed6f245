#include "document/ContractDocument.h"

#include <algorithm>
#include <ctime>

#include "document/SettingsStore.h"

ContractDocument::ContractDocument(SettingsStore& settings)
    : ContractDocument(settings, static_cast<std::uint32_t>(std::time(nullptr))) {}

ContractDocument::ContractDocument(SettingsStore& settings, std::uint32_t seed)
    : m_settings(settings), m_generator(seed) {}

int ContractDocument::visibleOfferCount() const {
    return std::clamp(m_offerCount, 0, kMaxOffers);
}

bool ContractDocument::resetToUntitled() {
    m_pathName.clear();
    m_modified = false;
    m_offerCount = 0;
    m_againstClans = 0;
    for (ContractOffer& offer : m_offers) {
        offer.startDate = kDefaultStartDate;
        offer.endDate = kDefaultEndDate;
        offer.location = kDefaultLocation;
    }
    m_title = kUntitled;
    return true;
}
