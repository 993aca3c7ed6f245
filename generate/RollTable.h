#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>
#include <type_traits>

#include "document/ContractOffer.h"
#include "generate/Dice.h"
#include "generate/RollRecorder.h"
#include "generate/RuleSet.h"

// Building blocks shared by the term functions: looking up ranges of totals and rows keyed by a
// name, rolling through tables that lead on, and the "Random" roll marker.

// The row `total` reaches; a total outside the table is clamped to its first or last row. The
// rows run in ascending order without gaps (the built-in tables do, and rules files are checked).
template <typename Rows>
constexpr const auto& lookupRow(const Rows& rows, int total) {
    for (std::size_t i = 0; i + 1 < std::size(rows); ++i) {
        if (total <= rows[i].high) {
            return rows[i];
        }
    }
    return rows[std::size(rows) - 1];
}

// The value for `total`, as lookupRow finds it.
template <typename Rows>
constexpr const auto& lookupRange(const Rows& rows, int total) {
    return lookupRow(rows, total).value;
}

// How a row's range is named in an explanation.
template <typename T>
constexpr RowSpan spanOf(const Range<T>& row) {
    return {row.low, row.high};
}

// "Random", exactly these six letters, means roll; any other text is used as it stands.
inline bool isRandomChoice(std::string_view choice) {
    return choice == kRandomChoice;
}

// A term function is written once and rolls two ways: Unrecorded, where every step it tells
// compiles to nothing (the odds roll millions of generations so), and Recorded, where each step
// goes to the dice's recorder as it happens. withRecord picks the way from the dice and hands the
// roll the record (the way without a record costs one test):
//
//   return withRecord(dice, [&](const auto& record) {
//       if (record.fixedTerm(RolledTerm::Employer, choice)) return choice;
//       ... record.tell([&](RollRecorder& recorder) { recorder.rolled(...); }); ...
//       return record.result(name);
//   });
struct Unrecorded {
    // Starts the term: true when `choice` fixes it, which rolls nothing.
    bool fixedTerm(RolledTerm, std::string_view choice) const { return !isRandomChoice(choice); }
    // Describes a step to the recorder; without one the description is never even made.
    template <typename Steps>
    void tell(const Steps&) const {}
    // Ends the term with the text it came to, and returns that text.
    std::string_view result(std::string_view text, std::string_view = {}) const { return text; }
};

struct Recorded {
    RollRecorder& recorder;

    bool fixedTerm(RolledTerm term, std::string_view choice) const {
        const bool fixed = !isRandomChoice(choice);
        recorder.beginTerm(term, fixed);
        return fixed;
    }
    template <typename Steps>
    void tell(const Steps& steps) const {
        steps(recorder);
    }
    std::string_view result(std::string_view text, std::string_view suffix = {}) const {
        recorder.result(text, suffix);
        return text;
    }
};

// Out of line, so that the way without a record is laid out as if there were no record at all.
template <typename Roll>
[[gnu::noinline, gnu::cold]] auto rollRecorded(RollRecorder& recorder, const Roll& roll) {
    return roll(Recorded{recorder});
}

template <typename Roll>
auto withRecord(const Dice& dice, const Roll& roll) {
    if (RollRecorder* recorder = dice.recorder()) [[unlikely]] {
        return rollRecorded(*recorder, roll);
    }
    return roll(Unrecorded{});
}

// Whether a table's text is exactly `text`. Most texts a roll compares differ in their length or
// their first character, so those are looked at before the rest.
inline bool sameText(const std::string& tableText, std::string_view text) {
    return tableText.size() == text.size() &&
           (text.empty() || (tableText[0] == text[0] && tableText.compare(text) == 0));
}

// The value of the row whose key is exactly `key`, or nothing.
template <typename Rows>
constexpr auto findKeyed(const Rows& rows, std::string_view key)
    -> std::optional<std::remove_cvref_t<decltype(rows[0].value)>> {
    for (const auto& row : rows) {
        if (sameText(row.key, key)) {
            return row.value;
        }
    }
    return std::nullopt;
}

// Rolls on table `first` of a family and follows the rows that lead on until one gives a result.
// `tableFor` maps a table's position to its NestedRules. Each table rolled on is one step of the
// record. The rules are free of cycles (the built-in tables are, a rules file is checked), so the
// walk ends.
template <typename Record, typename TableFor>
const TablePick& rollNested(Dice& dice, const Record& record, int first, TableFor tableFor) {
    int table = first;
    for (;;) {
        const NestedRules& nested = tableFor(table);
        const int total = dice.roll(nested.dice);
        const auto& row = lookupRow(nested.rows, total);
        record.tell(
            [&](RollRecorder& recorder) { recorder.rolled(nested.name, total, spanOf(row)); });
        if (row.value.next < 0) {
            return row.value;
        }
        table = row.value.next;
    }
}
