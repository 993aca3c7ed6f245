#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "document/SettingsStore.h"
#include "listing/ListingPlan.h"

namespace {

constexpr const char* kRating = "A";

void prepareSettings(MemorySettings& settings) {
    settings.writeText(settings::kSection, settings::kPay, "100000");
}

// One New Random run as the command performs it: reset, then generate with all choices rolled.
// Without the roll record (range 0) the dice carry no recorder, as on the odds' path; with it
// (range 1) every die and every term's explanation is kept, as in the window.
void BM_GenerateOffers(benchmark::State& state) {
    MemorySettings settings;
    prepareSettings(settings);
    ContractDocument doc(settings, 12345);
    doc.m_rating = std::string(kRating);
    doc.setRecordingRolls(state.range(0) != 0);
    const OfferChoices random;
    std::int64_t offers = 0;
    for (auto _ : state) {
        doc.resetToUntitled();
        doc.generateOffers(doc.m_rating, random);
        benchmark::DoNotOptimize(doc.m_offers);
        offers += doc.m_offerCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["offers/run"] =
        benchmark::Counter(static_cast<double>(offers), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GenerateOffers)->ArgName("record")->Arg(0)->Arg(1);

void BM_RenderListingText(benchmark::State& state) {
    MemorySettings settings;
    prepareSettings(settings);
    ContractDocument doc(settings, 1);
    doc.m_rating = std::string(kRating);
    // Roll until the document holds four offers, the longest listing.
    for (std::uint32_t seed = 1; doc.m_offerCount != 4; ++seed) {
        doc.seedGenerator(seed);
        doc.resetToUntitled();
        doc.generateOffers(doc.m_rating, OfferChoices{});
    }
    for (auto _ : state) {
        std::string text = renderListingText(doc);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RenderListingText);

}  // namespace
