#include "generate/DocumentGeneration.h"

#include <algorithm>
#include <ctime>
#include <optional>

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

void generateOffers(DocumentContent& content, std::string_view rating, const OfferChoices& choices,
                    double basePay, const RuleSet& rules, Generator& generator, bool recordRolls) {
    RollRecord record;
    std::optional<RollRecorder> recorder;
    if (recordRolls) {
        recorder.emplace(record, false, rules.name);
        record.rulesName = rules.name;
    }
    Dice dice(generator, recorder ? &*recorder : nullptr);
    // The count is always the first roll, and it follows the content's rating.
    content.offerCount = rollOfferCount(dice, content.rating, rules);
    for (int k = 0; k < content.offerCount; ++k) {
        ContractOffer& offer = content.offers[static_cast<std::size_t>(k)];
        if (recorder) {
            recorder->beginOffer(k + 1);
        }
        // Only the first offer honours the caller's choices and rating.
        const double multiplier = k == 0 ? rollOfferTerms(dice, rating, choices, offer, rules)
                                         : rollOfferTerms(dice, content.rating, offer, rules);
        appendPayAmount(offer.paymentMultiplier, multiplier, basePay);
        if (recorder) {
            noteRolledTexts(record, offer, k + 1);
        }
    }
    content.rolls = std::move(record);
}

bool rollTermAgain(DocumentContent& content, int offer, std::string ContractOffer::*field,
                   double basePay, const RuleSet& rules, Generator& generator, bool recordRolls) {
    const int shown = std::clamp(content.offerCount, 0, kMaxOffers);
    if (offer < 0 || offer >= shown || !isRolledTerm(field)) {
        return false;
    }
    std::optional<RollRecorder> recorder;
    if (recordRolls) {
        recorder.emplace(content.rolls, true, rules.name);
        recorder->beginOffer(offer + 1);
    }
    Dice dice(generator, recorder ? &*recorder : nullptr);
    ContractOffer& rolled = content.offers[static_cast<std::size_t>(offer)];
    rollTermAgain(dice, content.rating, field, basePay, rolled, rules);
    if (recorder) {
        noteRolledTexts(content.rolls, rolled, offer + 1, field);
    }
    return true;
}

std::uint32_t generatorSeedFromClock() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}
