#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/ContractOffer.h"
#include "document/OfferTerms.h"

// What the dice of a generation did: every die in the order it was rolled, and for each term how
// its text came about. Filled by a RollRecorder (generate/RollRecorder.h) while the dice fall.

// The rolls a generation makes: the offer count, then the ten terms of each offer.
enum class RolledTerm : std::uint8_t {
    Count,
    Employer,
    Assignment,
    Length,
    Multiplier,
    StraightSupport,
    BattleLoss,
    DsJs,
    Commercial,
    Salvage,
    Command,
};
inline constexpr std::size_t kRolledTermCount = 11;

static_assert(kRolledTermCount == 1 + kRolledFieldCount);

// The names the command line's JSON gives the terms, in RolledTerm order: "count", then the
// fields' own names, as the offers and their explanations use them.
inline constexpr std::array<std::string_view, kRolledTermCount> kRolledTermNames = [] {
    std::array<std::string_view, kRolledTermCount> names{"count"};
    for (std::size_t f = 0; f < kRolledFieldCount; ++f) {
        names[f + 1] = kOfferTerms[f].key;
    }
    return names;
}();
static_assert(kRolledTermNames[static_cast<std::size_t>(RolledTerm::Length)] == "contractLength");
static_assert(kRolledTermNames[static_cast<std::size_t>(RolledTerm::Command)] == "commandRights");

inline std::string_view rolledTermName(RolledTerm term) {
    return kRolledTermNames[static_cast<std::size_t>(term)];
}

// The term an offer's field shows: the first ten fields, employer to command rights, are the
// terms after the count in the same order; the dates and the location are rolled by no one.
constexpr std::optional<RolledTerm> termOfField(std::string ContractOffer::*field) {
    for (std::size_t f = 0; f + 1 < kRolledTermCount; ++f) {
        if (ContractOffer::kFields[f] == field) {
            return static_cast<RolledTerm>(f + 1);
        }
    }
    return std::nullopt;
}

// Offer 0 is the offer-count roll; offers 1..4 are the offers in listing order.
struct RecordedDie {
    int offer = 0;
    RolledTerm term = RolledTerm::Count;
    int sides = 6;  // the die's size as the table passed it: a value 0..sides
    int value = 0;

    bool operator==(const RecordedDie&) const = default;
};

struct TermRecord {
    int offer = 0;
    RolledTerm term = RolledTerm::Count;
    bool fixed = false;  // the choice fixed the term: nothing was rolled
    // "dice 4+5 = 9, +1 rating B = 10, row 10-12: 3 offers", or "fixed by choice".
    std::string explanation;
    // The field's text right after the roll (pay amount and " against Clans" included), so that
    // a later edit can be told; empty for the offer count.
    std::string text;

    bool operator==(const TermRecord&) const = default;
};

struct RollRecord {
    std::vector<RecordedDie> dice;
    std::vector<TermRecord> terms;
    // The name of the rules the offers were generated with; empty for the built-in tables.
    std::string rulesName;

    // The record of one term, or nullptr when it has none (an opened file, say).
    const TermRecord* find(int offer, RolledTerm term) const;
    TermRecord* find(int offer, RolledTerm term);
    bool empty() const { return dice.empty() && terms.empty(); }
    void clear();

    bool operator==(const RollRecord&) const = default;
};
