#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/ContractOffer.h"
#include "document/RollRecord.h"

// Everything a change to the document can change, as one value: an undo step keeps it from
// before and after the change, and the document can be set back to either.
struct DocumentContent {
    std::string rating;
    std::int32_t offerCount = 0;
    std::array<ContractOffer, kMaxOffers> offers;
    OfferChoices customChoices;
    // How the offers were rolled: it belongs to this content, not to the file.
    RollRecord rolls;

    bool operator==(const DocumentContent&) const = default;
};
