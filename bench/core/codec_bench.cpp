#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"

namespace {

// Four offers with texts of the lengths a generation produces.
void fillFourOffers(ContractDocument& doc) {
    doc.resetToUntitled();
    doc.m_rating = "B";
    doc.m_offerCount = 4;
    for (ContractOffer& offer : doc.m_offers) {
        offer.employer = "Federated Commonwealth";
        offer.assignment = "Objective Raid against Clans";
        offer.contractLength = "1 year, 3 months";
        offer.paymentMultiplier = "2.10x Pay = (210000.00 C-Bills)";
        offer.straightSupport = "60%";
        offer.battleLossCompensation = "15%";
        offer.dsjsCompensation = "24%";
        offer.commercialCompensation = "35%";
        offer.salvageRights = "Exchange Rights";
        offer.commandRights = "Liason Officer";
    }
}

void BM_WriteFourOffers(benchmark::State& state) {
    MemorySettings settings;
    ContractDocument doc(settings);
    fillFourOffers(doc);
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeDocumentBytes(doc));
    }
}
BENCHMARK(BM_WriteFourOffers);

void BM_ReadFourOffers(benchmark::State& state) {
    MemorySettings settings;
    ContractDocument source(settings);
    fillFourOffers(source);
    const std::vector<std::uint8_t> bytes = writeDocumentBytes(source);
    ContractDocument doc(settings);
    for (auto _ : state) {
        const CodecResult result = readDocumentBytes(doc, bytes);
        if (!result.ok) {
            state.SkipWithError("the written document did not read back");
            break;
        }
        benchmark::DoNotOptimize(doc.m_offers);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadFourOffers);

}  // namespace
