#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/ContractOffer.h"
#include "document/DocumentContent.h"
#include "generate/DocumentGeneration.h"
#include "generate/Generator.h"
#include "generate/Odds.h"

namespace testsupport {

// Seeded generations written out in full, to compare rolls made with two sets of tables (or
// before and after a change) offer by offer and die by die.

// The rating and first-offer choices of seed `seed`: the four ratings and one no table knows,
// and now and then a hand-written employer that no table names.
inline std::string_view seededRating(std::uint32_t seed) {
    static constexpr std::string_view kRatings[] = {"A", "B", "C", "D", "Green"};
    return kRatings[seed % 5];
}
inline OfferChoices seededChoices(std::uint32_t seed) {
    OfferChoices choices;
    if (seed % 7 == 3) {
        choices.employer = "Guild of Free Traders";
    }
    return choices;
}

// One generation: the count, every field of every offer, each term's explanation and every die.
inline std::string seededRollText(std::uint32_t seed, const RuleSet& rules) {
    DocumentContent content;
    content.rating = std::string(seededRating(seed));
    Generator generator(seed);
    generateOffers(content, content.rating, seededChoices(seed), 100000.0, rules, generator);
    std::string text = std::to_string(content.offerCount) + "\n";
    for (int k = 0; k < content.offerCount; ++k) {
        for (const auto field : ContractOffer::kFields) {
            text += content.offers[static_cast<std::size_t>(k)].*field + "\n";
        }
    }
    for (const TermRecord& term : content.rolls.terms) {
        text += std::to_string(term.offer) + " " + term.explanation + "\n";
    }
    for (const RecordedDie& die : content.rolls.dice) {
        text += std::to_string(die.sides) + ":" + std::to_string(die.value) + " ";
    }
    return text;
}

// Every count of an odds run, and its mean multiplier to the last bit.
inline std::string oddsText(const OddsResult& result) {
    std::string text = std::to_string(result.samples) + " " + std::to_string(result.offers);
    for (const std::uint64_t count : result.offerCounts) {
        text += " " + std::to_string(count);
    }
    for (const auto& term : result.terms) {
        for (const OddsValue& value : term) {
            text += "\n" + value.text + "=" + std::to_string(value.count);
        }
    }
    char mean[64];
    std::snprintf(mean, sizeof mean, "\n%a", result.meanMultiplier.value_or(-1.0));
    return text + mean;
}

// FNV-1a, to pin many rolls in one number.
inline std::uint64_t textHash(std::string_view text, std::uint64_t hash = 14695981039346656037u) {
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    return hash;
}

}  // namespace testsupport
