#pragma once

#include <string>

#include "document/ContractDocument.h"
#include "document/OfferTerms.h"

// Offers for tests whose every field names itself and its offer ("o2-contractLength"), so that a
// test sees which field and which offer a line, a page or a file reached.
namespace testsupport {

inline ContractOffer namedOffer(int k) {
    ContractOffer offer;
    const std::string tag = "o" + std::to_string(k + 1) + "-";
    for (std::size_t i = 0; i < ContractOffer::kFieldCount; ++i) {
        offer.*ContractOffer::kFields[i] = tag + std::string(kOfferTerms[i].key);
    }
    return offer;
}

// All four offer slots named, and the count set to `count`.
inline void fillOffers(ContractDocument& doc, int count) {
    doc.m_offerCount = count;
    for (int k = 0; k < kMaxOffers; ++k) {
        doc.m_offers[static_cast<std::size_t>(k)] = namedOffer(k);
    }
}

}  // namespace testsupport
