#pragma once

#include <string>

class ContractDocument;

// The document as one JSON object:
//   {"rating": ..., "offerCount": N, "explain": {"offerCount": ...}, "offers": [...],
//    "dice": [{"offer": 0, "term": "count", "sides": 6, "value": 4}, ...]}
// with the offers the listing shows (at most four), each keyed by the thirteen field names in
// file order, then "explain" (the ten rolled fields' explanations, listing/RollExplanation.h) and
// "pay" (monthly, months, total as numbers or null, listing/OfferPay.h, at the document's base
// pay; the four support and transport percentages as the offer states them). "dice" holds the
// roll record's dice in the order rolled: none for a document read from a file.
// Texts are written as they are (UTF-8), with JSON escapes for quotes, backslashes and control
// characters (C0, DEL and C1); a byte that is not well-formed UTF-8 becomes U+FFFD, so the
// output is valid UTF-8 JSON whatever the texts held.
std::string renderListingJson(const ContractDocument& doc);

// A JSON string literal, quotes included.
std::string jsonString(const std::string& text);
