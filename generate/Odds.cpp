#include "generate/Odds.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <system_error>
#include <thread>

#include "document/NumberText.h"
#include "generate/Dice.h"
#include "generate/GenerateOffers.h"
#include "generate/Generator.h"
#include "generate/IdentityCounter.h"
#include "generate/OfferCount.h"
#include "generate/TextCounter.h"

namespace {

static_assert(kOddsTerms[kAssignmentTerm].field == &ContractOffer::assignment);
static_assert(kOddsTerms[kPaymentMultiplierTerm].field == &ContractOffer::paymentMultiplier);

// Samples are handed out in chunks of this many; the cancel request and the progress are looked
// at between chunks, a few milliseconds apart.
constexpr std::uint64_t kChunkSamples = 2048;

constexpr std::string_view kAgainstClansSuffix = " against Clans";
constexpr std::string_view kFactorSuffix = "x";
// The second key word of a multiplier that the choice fixed (a rolled one keys its hundredths).
constexpr std::uint64_t kFixedMultiplier = ~std::uint64_t{0};

// What one thread has counted. Each thread's tally starts on a cache line of its own, so that
// counting on one thread never invalidates the line another thread is counting on.
struct alignas(64) Tally {
    std::uint64_t samples = 0;
    std::array<std::uint64_t, kMaxOffers + 1> offerCounts{};
    // In the order of kOddsTerms; the multiplier's is left empty: it is counted by its value.
    std::array<TextCounter, kOddsTermCount> texts;
    // Keyed by the rolled multiplier's hundredths, or kFixedMultiplier for the chosen one.
    IdentityCounter multipliers;
};

void countTerms(Tally& tally, const RolledTerms& terms) {
    auto& t = tally.texts;
    t[0].add(terms.employer);
    t[kAssignmentTerm].add(terms.assignment.name, terms.assignment.againstClans);
    t[2].add(terms.contractLength);
    if (terms.multiplierHundredths) {
        tally.multipliers.add(static_cast<std::uint64_t>(*terms.multiplierHundredths), 0);
    } else {
        tally.multipliers.add(0, kFixedMultiplier);
    }
    t[4].add(terms.straightSupport);
    t[5].add(terms.battleLossCompensation);
    t[6].add(terms.dsjsCompensation);
    t[7].add(terms.commercialCompensation);
    t[8].add(terms.salvageRights);
    t[9].add(terms.commandRights);
}

// Sample `index`: the generation a document seeded for it makes.
void rollSample(Tally& tally, const OddsRequest& request, const RuleSet& rules,
                std::uint64_t index) {
    Generator generator(oddsSampleSeed(request.seed, index));
    Dice dice(generator);
    const int count = rollOfferCount(dice, request.rating, rules);
    ++tally.offerCounts[static_cast<std::size_t>(count)];
    if (count > 0) {
        countTerms(tally, rollTerms(dice, request.rating, request.choices, rules));
    }
    for (int k = 1; k < count; ++k) {
        countTerms(tally, rollTerms(dice, request.rating, rules));
    }
}

void work(Tally& tally, const OddsRequest& request, std::atomic<std::uint64_t>& nextChunk,
          OddsProgress* progress) {
    const std::uint64_t total = request.samples;
    const RuleSet& rules = request.rulesInUse();
    for (;;) {
        if (progress != nullptr && progress->cancel.load(std::memory_order_relaxed)) {
            return;
        }
        const std::uint64_t chunk = nextChunk.fetch_add(1, std::memory_order_relaxed);
        if (chunk >= (total + kChunkSamples - 1) / kChunkSamples) {
            return;
        }
        const std::uint64_t first = chunk * kChunkSamples;
        const std::uint64_t end = std::min(total, first + kChunkSamples);
        for (std::uint64_t i = first; i < end; ++i) {
            rollSample(tally, request, rules, i);
        }
        tally.samples += end - first;
        if (progress != nullptr) {
            progress->samplesDone.fetch_add(end - first, std::memory_order_relaxed);
        }
    }
}

std::string multiplierText(const IdentityCounter::Entry& key, const OddsRequest& request) {
    std::string text = key.second == kFixedMultiplier
                           ? request.choices.paymentMultiplier
                           : formatHundredths(static_cast<long long>(key.first));
    return text.append(kFactorSuffix);
}

double multiplierValue(const IdentityCounter::Entry& key, const OddsRequest& request) {
    return key.second == kFixedMultiplier ? parseNumber(request.choices.paymentMultiplier)
                                          : static_cast<double>(key.first) / 100.0;
}

// Merges by text (two table entries may spell the same text) and orders as the result promises.
// Everything is summed in an order that does not depend on the threads.
OddsResult merge(const std::vector<Tally>& tallies, const OddsRequest& request) {
    OddsResult result;
    std::array<std::map<std::string, std::uint64_t>, kOddsTermCount> byText;
    std::map<double, std::uint64_t> byValue;
    for (const Tally& tally : tallies) {
        result.samples += tally.samples;
        for (std::size_t n = 0; n < tally.offerCounts.size(); ++n) {
            result.offerCounts[n] += tally.offerCounts[n];
        }
        for (std::size_t term = 0; term < kOddsTermCount; ++term) {
            tally.texts[term].forEach([&](std::string_view text, bool flag, std::uint64_t count) {
                // Only the assignment has a flag: against Clans.
                byText[term][std::string(text).append(flag ? kAgainstClansSuffix : "")] += count;
            });
        }
        tally.multipliers.forEach([&](const IdentityCounter::Entry& entry) {
            byText[kPaymentMultiplierTerm][multiplierText(entry, request)] += entry.count;
            byValue[multiplierValue(entry, request)] += entry.count;
        });
    }
    for (std::size_t n = 0; n < result.offerCounts.size(); ++n) {
        result.offers += n * result.offerCounts[n];
    }
    for (std::size_t term = 0; term < kOddsTermCount; ++term) {
        auto& values = result.terms[term];
        for (auto& [text, count] : byText[term]) {
            values.push_back({text, count});
        }
        // Texts are unique within a term, so this order is total.
        std::sort(values.begin(), values.end(), [](const OddsValue& a, const OddsValue& b) {
            return a.count != b.count ? a.count > b.count : a.text < b.text;
        });
    }
    double sum = 0;
    for (const auto& [value, count] : byValue) {
        result.multipliers.push_back({value, count});
        sum += value * static_cast<double>(count);
    }
    if (result.offers > 0) {
        result.meanMultiplier = sum / static_cast<double>(result.offers);
    }
    return result;
}

}  // namespace

std::uint64_t oddsSeedFromClock() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch() /
                                      std::chrono::nanoseconds(1));
}

int oddsThreadsForThisMachine() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

OddsResult rollOdds(const OddsRequest& request, OddsProgress* progress) {
    const std::uint64_t chunks = (request.samples + kChunkSamples - 1) / kChunkSamples;
    const auto threads = static_cast<std::size_t>(std::clamp<std::uint64_t>(
        chunks, 1, static_cast<std::uint64_t>(std::max(1, request.threads))));
    std::vector<Tally> tallies(threads);
    std::atomic<std::uint64_t> nextChunk{0};
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(threads - 1);
        for (std::size_t t = 1; t < threads; ++t) {
            try {
                helpers.emplace_back(work, std::ref(tallies[t]), std::cref(request),
                                     std::ref(nextChunk), progress);
            } catch (const std::system_error&) {
                break;  // the threads already started, and this one, do all the work
            }
        }
        work(tallies[0], request, nextChunk, progress);
    }  // joins the helpers
    OddsResult result = merge(tallies, request);
    result.cancelled = result.samples < request.samples;
    return result;
}
