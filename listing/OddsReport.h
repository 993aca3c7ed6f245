#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "listing/ListingPlan.h"

struct OddsRequest;
struct OddsResult;

// The counts of an odds run as text for people, as JSON and as CSV. Offer counts are shares of
// the samples, term values shares of the offers.

// A header (rating, samples, seed, the choices that are not "Random"), the offer counts 0..4,
// the offers and their mean multiplier, then per term a table of value, count and percentage in
// the result's order (most common first). `controls` as for the listing.
std::string renderOddsText(const OddsRequest& request, const OddsResult& result,
                           ValueControls controls = ValueControls::AsStored);

// {"rating": ..., "samples": N, "seed": S, "offerCount": {"0": n0, ... "4": n4}, "offers": total,
//  "meanMultiplier": m (null without offers), "terms": {"employer": {"text": n, ...}, ...}}
// on one line, always valid UTF-8 (as the listing's JSON).
std::string renderOddsJson(const OddsRequest& request, const OddsResult& result);

// "term,value,count,percentage", then one row per offer count ("offerCount", "0".."4") and per
// term value (the term's field name, the text); a value holding a comma, a quote or a line break
// is quoted, its quotes doubled. `controls` as for the listing.
std::string renderOddsCsv(const OddsResult& result,
                          ValueControls controls = ValueControls::AsStored);

// ---- two runs side by side: the built-in tables and other rules, counted from the same seeds ----

struct OddsPairRow {
    std::string text;
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    bool operator==(const OddsPairRow&) const = default;
};

// One table of the comparison: the offer count (key "offerCount") or a term (its key), every
// value either run gave, with the totals its shares are of (samples, or offers).
struct OddsPairTable {
    std::string key;
    std::vector<OddsPairRow> rows;
    std::uint64_t firstTotal = 0;
    std::uint64_t secondTotal = 0;
};

// The offer counts 0..4, then the ten terms. A term's values come in the first run's order, then
// those only the second gave in its order.
std::vector<OddsPairTable> pairOdds(const OddsResult& first, const OddsResult& second);

// The difference of the second run's share from the first's, in percentage points.
double shareDifference(const OddsPairRow& row, const OddsPairTable& table);

// "term,value,builtInCount,builtInPercentage,rulesCount,rulesPercentage,differencePoints": the
// built-in tables' run first, then the other rules', then the difference in percentage points.
std::string renderOddsCompareCsv(const OddsResult& builtIn, const OddsResult& rules,
                                 ValueControls controls = ValueControls::AsStored);
