#include "listing/RollExplanation.h"

#include "document/ContractDocument.h"
#include "document/RollRecord.h"
#include "listing/ListingPlan.h"

namespace {

std::string unrecorded(const ContractDocument& doc) {
    return std::string(doc.pathName().empty() ? kNotRolledYet : kRolledBeforeSaved);
}

}  // namespace

std::optional<std::string> explainField(const ContractDocument& doc, int offer,
                                        std::string ContractOffer::*field) {
    const std::optional<RolledTerm> term = termOfField(field);
    if (!term || offer < 0 || offer >= kMaxOffers) {
        return std::nullopt;
    }
    const TermRecord* record = doc.m_rolls.find(offer + 1, *term);
    if (record == nullptr) {
        return unrecorded(doc);
    }
    if (doc.m_offers[static_cast<std::size_t>(offer)].*field != record->text) {
        return std::string(kEditedByHand) + record->explanation;
    }
    return record->explanation;
}

std::string explainCount(const ContractDocument& doc) {
    const TermRecord* record = doc.m_rolls.find(0, RolledTerm::Count);
    return record != nullptr ? record->explanation : unrecorded(doc);
}

std::optional<std::string> explainLine(const ContractDocument& doc, const ListingLine& line) {
    if (line.number == listing::kCountLine) {
        return explainCount(doc);
    }
    if (line.offer < 0 || line.field == nullptr) {
        return std::nullopt;
    }
    return explainField(doc, line.offer, line.field);
}
