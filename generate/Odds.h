#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/ContractOffer.h"
#include "document/OfferTerms.h"
#include "generate/RuleSet.h"

// The odds of a rating: many independent generations, counted. Sample i of a run seeded S is the
// very generation a document seeded with oddsSampleSeed(S, i) makes for the rating and choices
// (the count for the rating, the first offer with the choices, the others rolled), so any sample
// can be reproduced on its own, and the counts do not depend on how the work is split.

// SplitMix64 of `x`, in 64-bit arithmetic that wraps.
constexpr std::uint64_t splitMix64(std::uint64_t x) {
    std::uint64_t z = x + 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// The generator seed of sample `index`: the low 32 bits of SplitMix64(seed + index).
constexpr std::uint32_t oddsSampleSeed(std::uint64_t seed, std::uint64_t index) {
    return static_cast<std::uint32_t>(splitMix64(seed + index));
}

// The ten terms counted, in the listing's order: the rolled rows of the table of terms (their
// `key` names them in the JSON and CSV, their `name` titles them).
inline constexpr std::size_t kOddsTermCount = kRolledFieldCount;
inline constexpr std::span<const OfferTerm, kOddsTermCount> kOddsTerms{kOfferTerms.data(),
                                                                       kOddsTermCount};
inline constexpr std::size_t kAssignmentTerm = 1;
inline constexpr std::size_t kPaymentMultiplierTerm = 3;

// A seed for a run that was given none: the clock, in nanoseconds.
std::uint64_t oddsSeedFromClock();
// The threads a run uses unless told otherwise: one per core.
int oddsThreadsForThisMachine();

// How many samples a run takes unless told otherwise, and the most the program offers.
inline constexpr std::uint64_t kDefaultOddsSamples = 100'000;
inline constexpr std::uint64_t kMostOddsSamples = 1'000'000'000;

struct OddsRequest {
    std::string rating = "D";
    OfferChoices choices;
    std::uint64_t samples = kDefaultOddsSamples;
    std::uint64_t seed = 0;
    int threads = 1;  // at least one; more than the work can use are not started
    // The tables rolled on; null for the built-in ones. Shared, so that a run in the background
    // keeps them alive however long it takes.
    std::shared_ptr<const RuleSet> rules;

    const RuleSet& rulesInUse() const { return rules ? *rules : builtInRules(); }
};

// Shared between a run and the thread that watches it: how far the run is, and the request to
// stop. The run reads `cancel` every few thousand samples, so it stops within milliseconds.
struct OddsProgress {
    std::atomic<std::uint64_t> samplesDone{0};
    std::atomic<bool> cancel{false};
};

struct OddsValue {
    std::string text;
    std::uint64_t count = 0;
    bool operator==(const OddsValue&) const = default;
};

// A numeric multiplier and how many offers had it.
struct MultiplierCount {
    double value = 0;
    std::uint64_t count = 0;
    bool operator==(const MultiplierCount&) const = default;
};

struct OddsResult {
    std::uint64_t samples = 0;  // the samples counted: fewer than asked for when cancelled
    bool cancelled = false;
    std::array<std::uint64_t, kMaxOffers + 1> offerCounts{};  // samples with 0..4 offers
    std::uint64_t offers = 0;                                 // offers over all samples
    std::optional<double> meanMultiplier;                     // none without offers
    // Per term, every text that came up and how often: most common first, ties by text
    // (bytewise). The assignment includes " against Clans"; the multiplier is the factor alone
    // ("3.15x").
    std::array<std::vector<OddsValue>, kOddsTermCount> terms;
    // The multiplier's numbers (what its texts read as), ascending.
    std::vector<MultiplierCount> multipliers;

    bool operator==(const OddsResult&) const = default;
};

// Runs `request.samples` generations on `request.threads` threads (the calling thread is one of
// them) and counts them. Memory does not grow with the number of samples. With `progress`, the
// samples done are published as the run goes, and a cancel ends it early with what was counted.
OddsResult rollOdds(const OddsRequest& request, OddsProgress* progress = nullptr);
