#pragma once

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "document/OfferTerms.h"
#include "generate/Odds.h"

// The order in which the odds window shows a term's values. Names keep the count's order (most
// common first); amounts (months, a multiplier, a percentage) go by what they read as, smallest
// first, so that neighbouring bars are neighbouring amounts.

// What `text` reads as for a term of kind `values`: the months of a length, the factor of a
// multiplier, the number before "%" of a percentage ("60%" is 60); nothing for names and for a
// text that does not read ("Gamemaster's descretion", a typed "abc").
std::optional<double> termAmount(TermValues values, std::string_view text);

// `counted` (most common first, as the odds count them; any rows with a `text`) in the order they
// are shown: for amounts, those that read by amount, equal amounts in count order, then those that
// do not read in count order; names unchanged.
template <typename Row>
std::vector<Row> inShownOrder(TermValues values, std::vector<Row> counted) {
    if (values == TermValues::Names) {
        return counted;
    }
    std::vector<std::pair<std::optional<double>, Row>> keyed;
    keyed.reserve(counted.size());
    for (Row& row : counted) {
        std::optional<double> amount = termAmount(values, row.text);
        keyed.emplace_back(amount, std::move(row));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        // An amount before none; smaller amounts first.
        return a.first && (!b.first || *a.first < *b.first);
    });
    std::vector<Row> shown;
    shown.reserve(keyed.size());
    for (auto& [amount, row] : keyed) {
        shown.push_back(std::move(row));
    }
    return shown;
}
