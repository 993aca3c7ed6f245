#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <string>
#include <thread>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "document/NumberText.h"
#include "generate/Odds.h"
#include "generate/TextCounter.h"
#include "tests/support/SeededDocument.h"

namespace {

using Counts = std::map<std::string, std::uint64_t>;

TEST(splitMix64, knownAnswersAndTheSampleSeedsWrapAround) {
    constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15u;
    // The first outputs of the reference generator started at 0, which adds kGolden per step.
    EXPECT_EQ(splitMix64(0), 0xE220A8397B1DCDAFu);
    EXPECT_EQ(splitMix64(kGolden), 0x6E789E6AA1B965F4u);
    EXPECT_EQ(splitMix64(2 * kGolden), 0x06C45D188009454Fu);
    EXPECT_EQ(oddsSampleSeed(0, 0), 0x7B1DCDAFu);
    EXPECT_EQ(oddsSampleSeed(std::numeric_limits<std::uint64_t>::max(), 1), 0x7B1DCDAFu);
}

// What N separate ordinary generations give: documents seeded s_0..s_{N-1}, read from the offers
// as the listing shows them.
struct Expected {
    std::array<std::uint64_t, kMaxOffers + 1> offerCounts{};
    std::array<Counts, kOddsTermCount> terms;
    double multiplierSum = 0;
    std::uint64_t offers = 0;
};

Expected generateOneByOne(const OddsRequest& request) {
    MemorySettings settings;
    settings.writeText(settings::kSection, settings::kPay, "100000");
    Expected expected;
    for (std::uint64_t i = 0; i < request.samples; ++i) {
        testsupport::SeededDocument doc(settings, oddsSampleSeed(request.seed, i));
        doc.m_rating = request.rating;
        doc.resetToUntitled();
        doc.generateOffers(doc.m_rating, request.choices);
        ++expected.offerCounts[static_cast<std::size_t>(doc.m_offerCount)];
        for (int k = 0; k < doc.m_offerCount; ++k) {
            const ContractOffer& offer = doc.m_offers[static_cast<std::size_t>(k)];
            for (std::size_t t = 0; t < kOddsTermCount; ++t) {
                std::string text = offer.*ContractOffer::kFields[t];
                if (t == kPaymentMultiplierTerm) {
                    text.resize(text.rfind("x Pay = ("));
                    expected.multiplierSum += parseNumber(text);
                    text += "x";
                }
                ++expected.terms[t][text];
            }
            ++expected.offers;
        }
    }
    return expected;
}

TEST(rollOdds, countsWhatSeparateOrdinaryGenerationsGive) {
    OfferChoices fixed;
    fixed.employer = "Ceres Metals";
    fixed.paymentMultiplier = "3.0";
    fixed.support = "80%";
    fixed.transport = "25%";
    fixed.salvageRights = "Full Rights";
    OfferChoices mission;
    mission.assignment = "Objective Raid";
    mission.contractLength = "2 months";
    mission.commandRights = "Liason Officer";
    const struct {
        const char* rating;
        OfferChoices choices;
        std::uint64_t seed;
    } rows[] = {
        {"A", OfferChoices{}, 12345},
        {"D", fixed, std::numeric_limits<std::uint64_t>::max() - 150},  // S + i wraps
        {"x", mission, 0},  // no modifier: many samples without offers
    };
    for (const auto& row : rows) {
        const OddsRequest request{row.rating, row.choices, 400, row.seed, 3, {}};
        const Expected expected = generateOneByOne(request);
        const OddsResult result = rollOdds(request);
        SCOPED_TRACE(row.rating);
        EXPECT_EQ(result.samples, 400u);
        EXPECT_FALSE(result.cancelled);
        EXPECT_EQ(result.offerCounts, expected.offerCounts);
        EXPECT_EQ(result.offers, expected.offers);
        for (std::size_t t = 0; t < kOddsTermCount; ++t) {
            const auto& values = result.terms[t];
            Counts counted;
            for (const OddsValue& value : values) {
                counted[value.text] = value.count;
            }
            EXPECT_EQ(counted, expected.terms[t]) << kOddsTerms[t].key;
            EXPECT_TRUE(std::is_sorted(values.begin(), values.end(),
                                       [](const auto& a, const auto& b) {
                                           return a.count != b.count ? a.count > b.count
                                                                     : a.text < b.text;
                                       }))
                << kOddsTerms[t].key;
        }
        ASSERT_TRUE(result.meanMultiplier.has_value());
        EXPECT_NEAR(*result.meanMultiplier, expected.multiplierSum / expected.offers, 1e-12);
    }
}

TEST(rollOdds, theNumberOfThreadsChangesNothing) {
    OddsRequest request{"B", OfferChoices{}, 20000, 99, 1, {}};
    const OddsResult one = rollOdds(request);
    for (int threads : {2, 7}) {
        request.threads = threads;
        EXPECT_EQ(rollOdds(request), one) << threads << " threads";
    }
    EXPECT_EQ(one.samples, 20000u);
}

TEST(rollOdds, cancelStopsTheRunWithWhatWasCounted) {
    OddsProgress before;
    before.cancel = true;
    const OddsResult none = rollOdds({"A", OfferChoices{}, 1000, 1, 2, {}}, &before);
    EXPECT_TRUE(none.cancelled);
    EXPECT_EQ(none.samples, 0u);
    EXPECT_FALSE(none.meanMultiplier.has_value());

    // A run far too long to finish, cancelled once it is under way.
    OddsProgress progress;
    OddsResult partial;
    std::thread run([&] {
        partial = rollOdds({"A", OfferChoices{}, 1'000'000'000'000, 1, 2, {}}, &progress);
    });
    while (progress.samplesDone.load() == 0) {
        std::this_thread::yield();
    }
    progress.cancel = true;
    run.join();
    EXPECT_TRUE(partial.cancelled);
    EXPECT_GT(partial.samples, 0u);
    EXPECT_EQ(partial.samples, progress.samplesDone.load());
    std::uint64_t samples = 0;
    for (std::uint64_t n : partial.offerCounts) {
        samples += n;
    }
    EXPECT_EQ(samples, partial.samples);
}

// Texts are counted by where they point: one that changes under its address would be counted
// under another text's name, which debug builds refuse when the counts are read.
TEST(TextCounterDeathTest, aTextThatChangesUnderItsAddressIsRefused) {
    TextCounter counter;
    std::string reused = "Mercenary Review Board";
    counter.add(reused);
    reused.replace(0, 9, "Corporate");
    EXPECT_DEBUG_DEATH(counter.forEach([](std::string_view, bool, std::uint64_t) {}),
                       "changed under its address");
}

}  // namespace
