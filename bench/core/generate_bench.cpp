#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "document/SettingsStore.h"
#include "generate/DocumentGeneration.h"
#include "generate/Generator.h"
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
    ContractDocument doc(settings);
    doc.m_rating = std::string(kRating);
    Generator generator(12345);
    const bool record = state.range(0) != 0;
    const double basePay = doc.basePay();
    const OfferChoices random;
    std::int64_t offers = 0;
    for (auto _ : state) {
        doc.resetToUntitled();
        DocumentContent content = doc.content();
        generateOffers(content, content.rating, random, basePay, builtInRules(), generator, record);
        benchmark::DoNotOptimize(content.offers);
        offers += content.offerCount;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["offers/run"] =
        benchmark::Counter(static_cast<double>(offers), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GenerateOffers)->ArgName("record")->Arg(0)->Arg(1);

void BM_RenderListingText(benchmark::State& state) {
    MemorySettings settings;
    prepareSettings(settings);
    ContractDocument doc(settings);
    doc.m_rating = std::string(kRating);
    // Roll until the document holds four offers, the longest listing.
    for (std::uint32_t seed = 1; doc.m_offerCount != 4; ++seed) {
        Generator generator(seed);
        doc.resetToUntitled();
        DocumentContent content = doc.content();
        generateOffers(content, content.rating, OfferChoices{}, doc.basePay(), builtInRules(),
                       generator);
        doc.setContent(std::move(content));
    }
    for (auto _ : state) {
        std::string text = renderListingText(doc);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RenderListingText);

}  // namespace
