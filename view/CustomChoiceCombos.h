#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "document/ContractOffer.h"

// The nine combo boxes of a custom generation, as New Custom and the odds window show them: the
// rating, then the eight terms a user may fix for the first offer.

struct CustomChoiceCombo {
    const char* label;
    std::span<const char* const> entries;
    bool sorted;
    const char* whatsThis;
    std::string OfferChoices::*choice;  // nullptr for the rating
};

inline constexpr std::size_t kCustomChoiceComboCount = 9;
// In tab order: rating, employer, assignment, length, multiplier, support, transport, salvage,
// command.
const std::array<CustomChoiceCombo, kCustomChoiceComboCount>& customChoiceCombos();

// The text a combo shows and edits: the rating, or one of the choices.
std::string& customChoiceText(const CustomChoiceCombo& combo, std::string& rating,
                              OfferChoices& choices);

// A rating is one character at most; a longer one is refused with this message.
inline constexpr int kMaxRatingLength = 1;
QString ratingTooLongMessage();
