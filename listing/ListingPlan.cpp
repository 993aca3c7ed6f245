#include "listing/ListingPlan.h"

#include <algorithm>
#include <array>

#include "document/ContractDocument.h"
#include "document/NumberText.h"
#include "document/OfferTerms.h"
#include "listing/ContractText.h"
#include "listing/RollExplanation.h"
#include "listing/TerminalText.h"

namespace {

using Field = std::string ContractOffer::*;

struct OfferLine {
    std::string_view label;
    Field field;              // nullptr for the two sub-headings
    std::string_view prompt;  // what line editing asks; empty for the sub-headings
    std::string_view name;    // the value's name in the window's commands; empty likewise
};

// The lines below an offer's header: each field of the table of terms, after its sub-heading
// where it has one.
constexpr std::size_t kOfferLineCount = 15;
constexpr std::array<OfferLine, kOfferLineCount> kOfferLines = [] {
    std::array<OfferLine, kOfferLineCount> lines{};
    std::size_t n = 0;
    for (const OfferTerm& term : kOfferTerms) {
        if (!term.heading.empty()) {
            lines.at(n++) = {term.heading, nullptr, {}, {}};
        }
        lines.at(n++) = {term.label, term.field, term.prompt, term.name};
    }
    return lines;
}();
static_assert(kOfferLines.back().field == &ContractOffer::location);

// clang-format off
constexpr std::array<std::string_view, 4> kHeaders = {
    "First Contract:", "Second Contract:", "Third Contract:", "Fourth Contract:"};
// clang-format on

static_assert(kOfferLines.size() + 2 == listing::kLinesPerOffer);

// The rating's prompt names the line without its current text.
constexpr std::string_view kRatingPrompt = "Dragoon's Rating";
constexpr std::string_view kRatingName = "Rating";
// The second offer's length line asks in other words than the same line of the other offers.
// Users know each edit dialog by its words, so every prompt, this one too, shows as written here.
constexpr std::string_view kSecondOfferLengthPrompt = "Contract Length: ";

// A line that belongs to no offer's field.
ListingLine plainLine(int number, std::string_view label = {},
                      std::optional<std::string_view> value = std::nullopt,
                      std::string_view prompt = {}, std::string_view name = {}) {
    return {number, label, value, prompt, name, -1, nullptr};
}

std::string_view promptFor(int offer, const OfferLine& line) {
    if (offer == 1 && line.field == &ContractOffer::contractLength) {
        return kSecondOfferLengthPrompt;
    }
    return line.prompt;
}

}  // namespace

std::string_view offerLineLabel(int offset) {
    return kOfferLines.at(static_cast<std::size_t>(offset - 1)).label;
}

std::string_view offerHeader(int k) {
    return kHeaders.at(static_cast<std::size_t>(k));
}

std::string_view offerFieldName(Field field) {
    const OfferTerm* term = offerTerm(field);
    return term != nullptr ? term->name : std::string_view();
}

std::string spokenLine(const ListingLine& line) {
    std::string_view words = line.name;
    if (words.empty()) {
        words = line.label;
        words.remove_prefix(std::min(words.find_first_not_of(' '), words.size()));
        if (!words.empty() && words.back() == ':') {
            words.remove_suffix(1);
        }
    }
    std::string spoken(words);
    if (line.value) {
        spoken += ": ";
        appendCutValue(spoken, *line.value);
    }
    return spoken;
}

ListingPlan::ListingPlan(const ContractDocument& doc) : m_countText(formatInt(doc.m_offerCount)) {
    const int offers = doc.visibleOfferCount();
    m_lines.reserve(static_cast<std::size_t>(3 + offers * listing::kLinesPerOffer));
    m_lines.push_back(plainLine(listing::kRatingLine, "Dragoon's Rating:",
                                std::string_view(doc.m_rating), kRatingPrompt, kRatingName));
    m_lines.push_back(
        plainLine(listing::kCountLine, "Contract Offers:", std::string_view(m_countText)));
    for (int k = 0; k < offers; ++k) {
        const ContractOffer& offer = doc.m_offers[static_cast<std::size_t>(k)];
        const int header = listing::kFirstOfferLine + listing::kLinesPerOffer * k;
        // The blank line before each block: line 3 before the first, 20 + 17(k-1) before others.
        m_lines.push_back(plainLine(header - 1));
        m_lines.push_back(plainLine(header, kHeaders[static_cast<std::size_t>(k)]));
        int number = header;
        for (const OfferLine& line : kOfferLines) {
            ++number;
            std::optional<std::string_view> value;
            if (line.field != nullptr) {
                value = std::string_view(offer.*line.field);
            }
            m_lines.push_back(
                {number, line.label, value, promptFor(k, line), line.name, k, line.field});
        }
    }
}

const ListingLine* ListingPlan::find(int number) const {
    if (number < 1 || number > lastLine()) {
        return nullptr;
    }
    return &m_lines[static_cast<std::size_t>(number - 1)];
}

int ListingPlan::lineOf(int offer, Field field) const {
    for (const ListingLine& line : m_lines) {
        if (line.offer == offer && field != nullptr && line.field == field) {
            return line.number;
        }
    }
    return 0;
}

void writeListingText(const ContractDocument& doc,
                      const std::function<void(std::string_view)>& sink, ValueControls controls,
                      RollNotes notes) {
    static constexpr std::string_view kPadding = "                                   ";
    static_assert(kPadding.size() == listing::kValueColumnChars);
    static constexpr std::string_view kNoteIndent = "        ";
    const auto value = [&](std::string_view text) {
        if (controls == ValueControls::Visible) {
            sink(visibleControls(text));
        } else {
            sink(text);
        }
    };
    const ListingPlan plan(doc);
    for (const ListingLine& line : plan.lines()) {
        sink(line.label);
        if (line.value) {
            if (line.label.size() < listing::kValueColumnChars) {
                sink(kPadding.substr(line.label.size()));
            }
            value(*line.value);
        }
        sink("\n");
        if (notes == RollNotes::With) {
            if (const std::optional<std::string> note = explainLine(doc, line)) {
                sink(kNoteIndent);
                value(*note);
                sink("\n");
            }
        }
    }
}

std::string renderListingText(const ContractDocument& doc, ValueControls controls,
                              RollNotes notes) {
    std::string out;
    writeListingText(
        doc, [&out](std::string_view piece) { out += piece; }, controls, notes);
    return out;
}
