#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/ContractOffer.h"

class ContractDocument;

// The fixed line plan of the offer listing: each line's label, the field it shows and the prompt
// that edits it. The window draws it, the printer draws it, the command line prints it and line
// editing maps clicks onto it, so it is written once, here.
//
// Lines are numbered from 1. Line 1 is the rating, line 2 the count, line 3 blank; offer k
// (0..3) fills lines 4 + 17k to 20 + 17k: its header, fifteen label lines (two of them value-less
// sub-headings) and a blank line.
namespace listing {
inline constexpr int kRatingLine = 1;
inline constexpr int kCountLine = 2;
inline constexpr int kFirstOfferLine = 4;
inline constexpr int kLinesPerOffer = 17;
inline constexpr int kExtentLines = 71;       // the scroll extent covers line 70 completely
inline constexpr int kExtentChars = 70;       // scroll extent width in average character widths
inline constexpr int kValueColumnChars = 35;  // value column on screen and in text output
}  // namespace listing

struct ListingLine {
    int number = 0;
    std::string_view label;                 // empty for the blank lines
    std::optional<std::string_view> value;  // absent for headers, sub-headings and blank lines
    // What line editing asks above the text; empty where the line cannot be edited (the count,
    // headers, sub-headings, blank lines).
    std::string_view prompt;
    // How the window's commands name the value ("Location", "Payment Multiplier", "Rating");
    // empty where the prompt is.
    std::string_view name;
    // The offer (0..3) and field an offer's line shows; -1 and nullptr for the other lines.
    int offer = -1;
    std::string ContractOffer::*field = nullptr;
};

// A view over a document: it refers to the document's texts, so it must not outlive the
// document or a change to it. Rebuild it for every paint; building it copies no field text.
class ListingPlan {
public:
    explicit ListingPlan(const ContractDocument& doc);
    ListingPlan(const ListingPlan&) = delete;
    ListingPlan& operator=(const ListingPlan&) = delete;

    // Lines 1..lastLine() in order, blank lines included.
    const std::vector<ListingLine>& lines() const { return m_lines; }
    // 2 with no offers, else 19 + 17 * (min(count, 4) - 1).
    int lastLine() const { return static_cast<int>(m_lines.size()); }
    // Line `number`, or nothing outside 1..lastLine().
    const ListingLine* find(int number) const;
    // The number of the line that shows `field` of offer `offer` (0..3), or 0 when the listing
    // has no such line.
    int lineOf(int offer, std::string ContractOffer::*field) const;

private:
    std::string m_countText;
    std::vector<ListingLine> m_lines;
};

// The label of an offer's line at offset 1..15 below its header (offset 0 is the header).
std::string_view offerLineLabel(int offset);
// The header of offer k (0..3): "First Contract:" .. "Fourth Contract:".
std::string_view offerHeader(int k);
// How the window's commands name an offer's field ("Contract Length"); empty for a null field.
std::string_view offerFieldName(std::string ContractOffer::*field);

// The line as a person reads it aloud: the value's name (or the label, without its indent and
// colon), then ": " and the value, cut as a contract cuts a long one: "Assignment: Objective Raid
// against Clans", "Second Contract", "Contract Offers: 4". Empty for a blank line.
std::string spokenLine(const ListingLine& line);

// How the values' control characters are written: as stored (a pipe or a file gets the
// document's bytes) or spelled out for a terminal (see visibleControls).
enum class ValueControls { AsStored, Visible };

// Whether the text listing says under the count and each rolled term how the roll came about
// (listing/RollExplanation.h), on a line of its own indented by eight blanks.
enum class RollNotes { Without, With };

// Renders the plan as text: labels padded to 35 characters, then the value; every line ends
// with "\n". Used by the command line.
std::string renderListingText(const ContractDocument& doc,
                              ValueControls controls = ValueControls::AsStored,
                              RollNotes notes = RollNotes::Without);

// The same text, handed to `sink` piece by piece: a value of hundreds of megabytes goes out
// without first being copied into one string.
void writeListingText(const ContractDocument& doc,
                      const std::function<void(std::string_view)>& sink,
                      ValueControls controls = ValueControls::AsStored,
                      RollNotes notes = RollNotes::Without);
