#pragma once

#include <cstddef>
#include <iterator>
#include <limits>
#include <string_view>

#include "document/ContractOffer.h"

class ContractDocument;

// Building blocks shared by the term tables: dice, inclusive ranges of totals and the "Random"
// roll marker.

// Open ends of ranges such as "3 or less" and "14 or more"; modifiers push totals past the dice.
inline constexpr int kOrLess = std::numeric_limits<int>::min();
inline constexpr int kOrMore = std::numeric_limits<int>::max();

// How a table is rolled: `count` dice of faces 0..`faces` each, summed.
struct DiceSpec {
    int faces = 6;
    int count = 1;
};
inline constexpr DiceSpec kOneDie{6, 1};
inline constexpr DiceSpec kTwoDice{6, 2};
inline constexpr DiceSpec kSmallDie{3, 1};  // only "Objective Raid" uses it

// Rolls the dice one after the other through the document's generator.
int rollDice(ContractDocument& doc, DiceSpec dice);

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

// The value for `total`; a total outside the table is clamped to its first or last row.
template <typename Rows>
constexpr const auto& lookupRange(const Rows& rows, int total) {
    for (std::size_t i = 0; i + 1 < std::size(rows); ++i) {
        if (total <= rows[i].high) {
            return rows[i].value;
        }
    }
    return rows[std::size(rows) - 1].value;
}

// "Random", exactly these six letters, means roll; any other text is used as it stands.
inline bool isRandomChoice(std::string_view choice) {
    return choice == kRandomChoice;
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
