#include "document/ContractDocument.h"

#include <algorithm>
#include <ctime>
#include <optional>

#include "document/NumberText.h"
#include "document/SettingsStore.h"
#include "generate/Dice.h"
#include "generate/GenerateOffers.h"
#include "generate/OfferCount.h"
#include "generate/PayMultiplier.h"
#include "generate/RollRecorder.h"
#include "generate/TermAgain.h"

namespace {

// Notes what the rolled fields of an offer read right after the roll (or `only` that field), so
// that an edit can be told later.
void noteRolledTexts(RollRecord& record, const ContractOffer& offer, int offerNumber,
                     std::string ContractOffer::*only = nullptr) {
    for (const auto field : ContractOffer::kFields) {
        const std::optional<RolledTerm> term = termOfField(field);
        if (!term || (only != nullptr && field != only)) {
            continue;
        }
        if (TermRecord* rolled = record.find(offerNumber, *term)) {
            rolled->text = offer.*field;
        }
    }
}

}  // namespace

ContractDocument::ContractDocument(SettingsStore& settings)
    : ContractDocument(settings, static_cast<std::uint32_t>(std::time(nullptr))) {}

ContractDocument::ContractDocument(SettingsStore& settings, std::uint32_t seed)
    : m_settings(settings), m_generator(seed) {}

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
    m_modified = false;
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

void ContractDocument::generateOffers(std::string rating, OfferChoices choices) {
    RollRecord record;
    std::optional<RollRecorder> recorder;
    if (m_recordingRolls) {
        recorder.emplace(record);
    }
    Dice dice(m_generator, recorder ? &*recorder : nullptr);
    // The count is always the first roll, and it follows the document's rating.
    m_offerCount = rollOfferCount(dice, m_rating);
    const double pay = basePay();
    for (int k = 0; k < m_offerCount; ++k) {
        ContractOffer& offer = m_offers[static_cast<std::size_t>(k)];
        if (recorder) {
            recorder->beginOffer(k + 1);
        }
        // Only the first offer honours the caller's choices and rating.
        const double multiplier = k == 0 ? rollOfferTerms(dice, rating, choices, offer)
                                         : rollOfferTerms(dice, m_rating, offer);
        appendPayAmount(offer.paymentMultiplier, multiplier, pay);
        if (recorder) {
            noteRolledTexts(record, offer, k + 1);
        }
    }
    m_rolls = std::move(record);
}

bool ContractDocument::rollTermAgain(int offer, std::string ContractOffer::*field) {
    if (offer < 0 || offer >= visibleOfferCount() || !isRolledTerm(field)) {
        return false;
    }
    std::optional<RollRecorder> recorder;
    if (m_recordingRolls) {
        recorder.emplace(m_rolls, true);
        recorder->beginOffer(offer + 1);
    }
    Dice dice(m_generator, recorder ? &*recorder : nullptr);
    ContractOffer& rolled = m_offers[static_cast<std::size_t>(offer)];
    ::rollTermAgain(dice, m_rating, field, basePay(), rolled);
    if (recorder) {
        noteRolledTexts(m_rolls, rolled, offer + 1, field);
    }
    return true;
}
