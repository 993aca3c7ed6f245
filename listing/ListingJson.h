#pragma once

#include <string>

class ContractDocument;

// The document as one JSON object: {"rating": ..., "offerCount": N, "offers": [...]}, with the
// offers the listing shows (at most four), each keyed by the thirteen field names in file order.
// Texts are written as they are (UTF-8), with JSON escapes for quotes, backslashes and control
// characters (C0, DEL and C1); a byte that is not well-formed UTF-8 becomes U+FFFD, so the
// output is valid UTF-8 JSON whatever the texts held.
std::string renderListingJson(const ContractDocument& doc);

// A JSON string literal, quotes included.
std::string jsonString(const std::string& text);
