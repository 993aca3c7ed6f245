#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/Odds.h"
#include "listing/OddsOrder.h"

namespace {

using Texts = std::vector<std::string>;

// Values come most common first; amounts are shown smallest first, equal amounts and texts that
// read as none keep their count order (the latter last), names stay as counted.
TEST(OddsOrder, amountsGoByWhatTheyReadAsAndNamesByCount) {
    const struct {
        TermValues values;
        Texts counted;  // most common first
        Texts shown;
    } cases[] = {
        {TermValues::Months,
         {"1 year, 11 months", "2 months", "Gamemaster's descretion", "18 months", "5 years"},
         {"2 months", "18 months", "1 year, 11 months", "5 years", "Gamemaster's descretion"}},
        {TermValues::Multiplier,
         {"3.15x", "10.5x", "abc", "2x", "3,16x", "2.0x"},
         {"2x", "2.0x", "3.15x", "10.5x", "abc", "3,16x"}},
        {TermValues::Percentage,
         {"60%", "none", "100%", "60 %", " 7.5 %", "-10%", "5"},
         {" 7.5 %", "60%", "60 %", "100%", "none", "-10%", "5"}},
        {TermValues::Names, {"Liason Officer", "2 months"}, {"Liason Officer", "2 months"}},
    };
    for (const auto& c : cases) {
        std::vector<OddsValue> counted;
        for (const std::string& text : c.counted) {
            counted.push_back({text, c.counted.size() - counted.size()});
        }
        Texts shown;
        for (const OddsValue& value : inShownOrder(c.values, counted)) {
            shown.push_back(value.text);
        }
        EXPECT_EQ(shown, c.shown) << static_cast<int>(c.values);
    }
}

// The kinds in the table of terms fit what a generation writes: every amount of a real run reads,
// and the shown order rises throughout.
TEST(OddsOrder, everyRolledAmountReadsAndTheShownOrderRises) {
    const OddsResult result = rollOdds({"A", OfferChoices{}, 3000, 19, 1, nullptr});
    int amountTerms = 0;
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        const TermValues values = kOddsTerms[t].values;
        amountTerms += values == TermValues::Names ? 0 : 1;
        std::optional<double> last;
        for (const OddsValue& value : inShownOrder(values, result.terms[t])) {
            const std::optional<double> amount = termAmount(values, value.text);
            ASSERT_EQ(amount.has_value(), values != TermValues::Names) << value.text;
            EXPECT_LE(last.value_or(amount.value_or(0)), amount.value_or(0)) << value.text;
            last = amount;
        }
    }
    EXPECT_EQ(amountTerms, 6);  // length, multiplier, support and three compensations
}

}  // namespace
