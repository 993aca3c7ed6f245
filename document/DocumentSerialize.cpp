#include <algorithm>
#include <string_view>

#include "document/Archive.h"
#include "document/ContractDocument.h"
#include "document/SettingsStore.h"

namespace {

// Characters, not bytes: a year read from a file is UTF-8 in memory.
std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }));
}

}  // namespace

// File order: year, count, rating, then the offers the count calls for (at most four), each in
// ContractOffer::kFields order. The year lives in the settings, not in the document.
void ContractDocument::serialize(Archive& ar) {
    if (ar.isStoring()) {
        ar.writeText(
            m_settings.readText(settings::kSection, settings::kYear, settings::kYearDefault));
        // The offers follow the count as written, so that a file always reads back whole even
        // for a count outside 0..65535.
        const auto count = static_cast<std::uint16_t>(m_offerCount & 0xFFFF);
        ar.writeU16(count);
        ar.writeText(m_rating);
        for (int n = 0; n < std::min<int>(count, kMaxOffers); ++n) {
            for (auto field : ContractOffer::kFields) {
                ar.writeText(m_offers[static_cast<std::size_t>(n)].*field);
            }
        }
        return;
    }

    // A file keeps none of the dice that made its offers.
    m_rolls.clear();
    // The year is stored as soon as it is read, so a file that fails later still changed it.
    const std::string year = ar.readText();
    if (characterCount(year) <= settings::kYearMaxCharacters) {
        m_settings.writeText(settings::kSection, settings::kYear, year);
    }
    m_offerCount = ar.readU16();  // widened without sign: 0..65535
    m_rating = ar.readText();
    for (int n = 0; n < visibleOfferCount(); ++n) {
        for (auto field : ContractOffer::kFields) {
            m_offers[static_cast<std::size_t>(n)].*field = ar.readText();
        }
    }
    // Whatever follows the last offer the count calls for is ignored.
}
