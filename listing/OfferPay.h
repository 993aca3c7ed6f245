#pragma once

#include <optional>
#include <string_view>
#include <vector>

struct ContractOffer;

// What an offer pays over its whole length, read from the offer's texts as they stand.

// The months a contract-length text reads as: "2 months" is 2, "1 year, 11 months" is 23, "5
// years" is 60. Every text the length tables give reads; so do hand-written ones in the same
// words (any case, "1 year 6 months", "1 year and 6 months", "18 months"), with at most 9999 of
// each unit. Anything else ("Gamemaster's descretion", "six months", "") reads as nothing.
std::optional<int> contractMonths(std::string_view length);

// The multiplier a multiplier text starts with: a number without a sign, followed by "x", a blank
// or nothing ("3.16x Pay = (...)" is 3.16, as a generation writes it). A text that does not
// start so ("abc", "3,16x" with a decimal comma, "-2x") reads as nothing.
std::optional<double> paymentMultiplier(std::string_view text);

struct OfferPay {
    std::optional<double> monthly;  // the multiplier times the base pay, when the multiplier reads
    std::optional<int> months;      // nothing when the length does not read as one
    std::optional<double> total;    // monthly times months, when both are known and finite
};

OfferPay offerPay(const ContractOffer& offer, double basePay);

// For each offer, whether its total is the best: the highest of all the totals, shared by every
// offer that has it. None is best unless at least two offers have totals and they differ.
std::vector<bool> bestTotals(const std::vector<OfferPay>& pays);
