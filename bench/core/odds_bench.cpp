#include <benchmark/benchmark.h>

#include <cstdint>

#include "generate/Odds.h"

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

}  // namespace
