#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/ContractOffer.h"

class ContractDocument;
struct ListingLine;

// Why the listing's lines read as they do, from the document's roll record: the listing's tips,
// the details table, --roll --explain and the JSON all say it in these words.

// Where the record has nothing to say: the offers came from a file...
inline constexpr std::string_view kRolledBeforeSaved = "rolled before this file was saved";
// ...or from nowhere yet (a fresh start's count of 0).
inline constexpr std::string_view kNotRolledYet = "not rolled yet";
// Put before what the roll had said, once a field no longer reads as the roll left it.
inline constexpr std::string_view kEditedByHand = "edited by hand; before that: ";

// The explanation of `field` of offer `offer` (0..3): how it was rolled (or "fixed by choice"),
// kEditedByHand and that once its text differs from what the roll left, or, when the record holds
// none, kRolledBeforeSaved (kNotRolledYet for a document that has no file). Nothing for a field
// that no roll makes (the dates, the location).
std::optional<std::string> explainField(const ContractDocument& doc, int offer,
                                        std::string ContractOffer::*field);
// The offer count's explanation, or one of the two texts above.
std::string explainCount(const ContractDocument& doc);
// The explanation of a line of the listing: the count line and the ten rolled terms of each
// offer have one; every other line has none.
std::optional<std::string> explainLine(const ContractDocument& doc, const ListingLine& line);
