#pragma once

#include <cstddef>
#include <iterator>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

#include "document/ContractOffer.h"
#include "generate/Dice.h"
#include "generate/RollRecorder.h"

// Building blocks shared by the term tables: ranges of totals, rows keyed by a name, tables that
// lead to other tables, and the "Random" roll marker.

// Open ends of ranges such as "3 or less" and "14 or more"; modifiers push totals past the dice.
inline constexpr int kOrLess = std::numeric_limits<int>::min();
inline constexpr int kOrMore = std::numeric_limits<int>::max();

// A row of a printed table: every total from `low` to `high` inclusive gives `value`.
template <typename T>
struct Range {
    int low;
    int high;
    T value;
};

// True when the rows are in ascending order, with no gap and no overlap, and cover [from, to].
// Tables assert this at compile time, so a lookup can stop at the first row that reaches the total.
template <typename Rows>
constexpr bool coversTotals(const Rows& rows, int from, int to) {
    if (std::size(rows) == 0 || rows[0].low > from) {
        return false;
    }
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        if (rows[i].low > rows[i].high) {
            return false;
        }
        if (i > 0 && rows[i].low != rows[i - 1].high + 1) {
            return false;
        }
    }
    return rows[std::size(rows) - 1].high >= to;
}

// The row `total` reaches; a total outside the table is clamped to its first or last row.
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

// Exact, whole-text membership test over a table of names; blank slots name nothing.
template <typename Names>
constexpr bool isOneOf(std::string_view text, const Names& names) {
    for (std::string_view name : names) {
        if (!name.empty() && text == name) {
            return true;
        }
    }
    return false;
}

// A row keyed by an exact name: a rating, an employer or an assignment.
template <typename T>
struct Keyed {
    std::string_view key;
    T value;
};

// The value of the row whose key is exactly `key`, or nothing.
template <typename Rows>
constexpr auto findKeyed(const Rows& rows, std::string_view key)
    -> std::optional<std::remove_cvref_t<decltype(rows[0].value)>> {
    for (const auto& row : rows) {
        if (row.key == key) {
            return row.value;
        }
    }
    return std::nullopt;
}

// A table whose rows either give a result or send the roll on to another table: `Pick` has a
// `next` member of the tables' enumeration, whose `None` means "this row is the result".
template <typename Pick>
struct NestedTable {
    DiceSpec dice;
    std::span<const Range<Pick>> rows;
    std::string_view name;  // as an explanation names it: "periphery" (table)
};

// Rolls on `first` and follows the rows that name another table until one gives a result.
// `tableFor` maps an enumerator to its NestedTable. Each table rolled on is one step of the
// record.
template <typename Record, typename Table, typename TableFor>
auto rollNested(Dice& dice, const Record& record, Table first, TableFor tableFor) {
    Table table = first;
    for (;;) {
        const auto nested = tableFor(table);
        const int total = dice.roll(nested.dice);
        const auto& row = lookupRow(nested.rows, total);
        record.tell(
            [&](RollRecorder& recorder) { recorder.rolled(nested.name, total, spanOf(row)); });
        if (row.value.next == Table::None) {
            return row.value;
        }
        table = row.value.next;
    }
}
