#pragma once

#include <string>

class CRodeDoc;

// The document as one JSON object: {"rating": ..., "offerCount": N, "offers": [...]}, with the
// offers the listing shows (at most four), each keyed by the thirteen field names in file order.
// Texts are written as they are (UTF-8), with JSON escapes for quotes, backslashes and control
// characters.
std::string RenderListingJson(const CRodeDoc& doc);

// A JSON string literal, quotes included.
std::string JsonString(const std::string& text);
