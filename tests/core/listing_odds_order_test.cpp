#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/Odds.h"
#include "listing/OddsOrder.h"

namespace {

std::vector<std::string> textsOf(const std::vector<OddsValue>& values) {
    std::vector<std::string> texts;
    for (const OddsValue& value : values) {
        texts.push_back(value.text);
    }
    return texts;
}

// Values come most common first; amounts are shown smallest first, equal amounts and texts that
// read as none keep their count order (the latter last), names stay as counted.
TEST(OddsOrder, amountsGoByWhatTheyReadAsAndNamesByCount) {
    struct Case {
        TermValues values;
        std::vector<OddsValue> counted;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {TermValues::Months,
         {{"1 year, 11 months", 9},
          {"2 months", 8},
          {"Gamemaster's descretion", 7},
          {"18 months", 6},
          {"6 months", 5},
          {"5 years", 1}},
         {"2 months", "6 months", "18 months", "1 year, 11 months", "5 years",
          "Gamemaster's descretion"}},
        {TermValues::Multiplier,
         {{"3.15x", 9}, {"10.5x", 4}, {"abc", 4}, {"2x", 3}, {"3,16x", 2}, {"2.0x", 1}},
         {"2x", "2.0x", "3.15x", "10.5x", "abc", "3,16x"}},
        {TermValues::Percentage,
         {{"60%", 8}, {"none", 6}, {"100%", 5}, {"60 %", 5}, {" 7.5 %", 2}, {"-10%", 1}, {"5", 1}},
         {" 7.5 %", "60%", "60 %", "100%", "none", "-10%", "5"}},
        {TermValues::Names,
         {{"Liason Officer", 9}, {"House Command", 3}, {"2 months", 1}},
         {"Liason Officer", "House Command", "2 months"}},
        {TermValues::Percentage, {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textsOf(inShownOrder(c.values, c.counted)), c.shown)
            << static_cast<int>(c.values) << " " << c.counted.size();
    }
}

// Every text a generation gives for a term of amounts reads as one, so that the table of terms
// names the right kind: the shown order of a real run rises throughout.
TEST(OddsOrder, everyRolledAmountReadsAndRisesInTheShownOrder) {
    OddsRequest request;
    request.rating = "A";
    request.samples = 3000;
    request.seed = 19;
    const OddsResult result = rollOdds(request);
    int amountTerms = 0;
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        const TermValues values = kOddsTerms[t].values;
        if (values == TermValues::Names) {
            continue;
        }
        ++amountTerms;
        const std::vector<OddsValue> shown = inShownOrder(values, result.terms[t]);
        ASSERT_EQ(shown.size(), result.terms[t].size());
        ASSERT_GT(shown.size(), 1u) << kOddsTerms[t].key;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const std::optional<double> amount = termAmount(values, shown[i].text);
            ASSERT_TRUE(amount.has_value()) << kOddsTerms[t].key << ": " << shown[i].text;
            if (i > 0) {
                EXPECT_LE(*termAmount(values, shown[i - 1].text), *amount) << kOddsTerms[t].key;
            }
        }
    }
    EXPECT_EQ(amountTerms, 6);  // length, multiplier, support and three compensations
}

}  // namespace
