#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "generate/Odds.h"
#include "rules/RulesFile.h"

namespace {

// The odds of rating "A" with every term rolled, on as many threads as the argument says. The
// rate is samples per second of wall time, to compare with BM_GenerateOffers (one sample is one
// such generation, counted) and across thread counts.
void BM_Odds(benchmark::State& state) {
    constexpr std::uint64_t kSamples = 200'000;
    OddsRequest request;
    request.rating = "A";
    request.samples = kSamples;
    request.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        OddsResult result = rollOdds(request);
        benchmark::DoNotOptimize(result);
        ++request.seed;
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSamples));
}
BENCHMARK(BM_Odds)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same with house rules read from a file: the built-in tables with one employer renamed, so
// that the set is one of the file's own and not the built-in one.
void BM_OddsHouseRules(benchmark::State& state) {
    constexpr std::uint64_t kSamples = 200'000;
    std::string text = dumpRules(builtInRules());
    const std::string from = "\"Kell Hounds\"";
    text.replace(text.find(from), from.size(), "\"Kell Hounds Regiment\"");
    OddsRequest request;
    request.rating = "A";
    request.samples = kSamples;
    request.threads = static_cast<int>(state.range(0));
    request.rules = std::make_shared<const RuleSet>(std::get<RuleSet>(readRules(text)));
    for (auto _ : state) {
        OddsResult result = rollOdds(request);
        benchmark::DoNotOptimize(result);
        ++request.seed;
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSamples));
}
BENCHMARK(BM_OddsHouseRules)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
