#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "listing/ListingPlan.h"

struct OfferChoices;
struct OddsRequest;
struct OddsResult;

// The counts of an odds run as text for people, as JSON and as CSV. Offer counts are shares of
// the samples, term values shares of the offers.

// The choices that are not "Random" ("Employer \"Kell Hounds\", Support \"80%\""), or "every term
// Random". `controls` as for the listing.
std::string oddsChoicesText(const OfferChoices& choices,
                            ValueControls controls = ValueControls::AsStored);

// What repeats a run: the rating, the samples counted ("2000", or "150 of 2000 (cancelled)"),
// the seed and the choices, and "Rules" when they are house rules. Every odds output starts with
// these.
struct OddsHeaderLine {
    std::string label;  // "Rating", "Samples", "Seed", "Choices", "Rules"
    std::string value;
};
std::vector<OddsHeaderLine> oddsHeader(const OddsRequest& request, const OddsResult& result,
                                       ValueControls controls = ValueControls::AsStored);

// The header (as "Rating:          C" lines), the offer counts 0..4,
// the offers and their mean multiplier, then per term a table of value, count and percentage in
// the result's order (most common first). `controls` as for the listing.
std::string renderOddsText(const OddsRequest& request, const OddsResult& result,
                           ValueControls controls = ValueControls::AsStored);

// {"rating": ..., "samples": N, "seed": S, ["rules": NAME, for house rules,] "choices":
// {"employer": "Random", ... (every choice by its key)}, "offerCount": {"0": n0, ... "4": n4},
// "offers": total, "meanMultiplier": m (null without offers), "terms": {"employer": {"text": n,
// ...}, ...}}
// on one line, always valid UTF-8 (as the listing's JSON).
std::string renderOddsJson(const OddsRequest& request, const OddsResult& result);

// The header as comment lines ("# Seed: 77", control characters always spelled out), then
// "term,value,count,percentage", then one row per offer count ("offerCount", "0".."4") and per
// term value (the term's field name, the text); a value holding a comma, a quote or a line break
// is quoted, its quotes doubled. `controls` as for the listing.
std::string renderOddsCsv(const OddsRequest& request, const OddsResult& result,
                          ValueControls controls = ValueControls::AsStored);

// ---- two runs from the same seeds: the built-in tables and house rules named `rulesName` ----

// The header of renderOddsText (with the rules), then per table each value that came up in either
// run with its share in each and the difference in percentage points (house minus built-in),
// values ordered by their built-in count, then their house count (most common first).
std::string renderOddsCompareText(const OddsRequest& request, const OddsResult& builtIn,
                                  const OddsResult& house, std::string_view rulesName,
                                  ValueControls controls = ValueControls::AsStored);
// {"rules": NAME, "builtIn": <renderOddsJson of the built-in run>, "house": <of the house run,
// which names the rules too>}
std::string renderOddsCompareJson(const OddsRequest& request, const OddsResult& builtIn,
                                  const OddsResult& house, std::string_view rulesName);
// The `#` lines of renderOddsCsv (the rules named), then
// "term,value,builtInCount,builtInPercentage,houseCount,housePercentage,difference", rows as
// renderOddsCsv's.
std::string renderOddsCompareCsv(const OddsRequest& request, const OddsResult& builtIn,
                                 const OddsResult& house,
                                 ValueControls controls = ValueControls::AsStored);

// The comparison as the odds window shows it: the offer count (key "offerCount"), then the ten
// terms (their keys), each with the rows the CSV lists, in its order, and the totals each run's
// shares are of (samples, or offers).
struct OddsCompareRow {
    std::string text;
    std::uint64_t builtIn = 0;
    std::uint64_t house = 0;
};
struct OddsCompareTable {
    std::string key;
    std::vector<OddsCompareRow> rows;
    std::uint64_t builtInTotal = 0;
    std::uint64_t houseTotal = 0;
};
std::vector<OddsCompareTable> compareOdds(const OddsResult& builtIn, const OddsResult& house);
