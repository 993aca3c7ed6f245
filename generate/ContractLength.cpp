#include <array>
#include <string>

#include "generate/ContractLengthTables.h"
#include "generate/Dice.h"
#include "generate/Terms.h"

namespace {

// The length tables, laid out like the printed ones: one column per assignment group, one row per
// face or sum named; faces and sums that a column leaves blank give the column's "other" entry.
template <std::size_t Columns>
struct FaceRow {
    int face;
    std::array<std::string_view, Columns> lengths;
};

template <std::size_t Columns, std::size_t Rows>
struct LengthGrid {
    DiceSpec dice;
    std::array<std::array<std::string_view, 2>, Columns> assignments;  // a column's names
    std::array<FaceRow<Columns>, Rows> rows;
    std::array<std::string_view, Columns> other;
};

constexpr std::string_view kBlank;

// clang-format off
// Sums 2 to 12 except 7; 0, 1 and 7 give "other".
constexpr LengthGrid<3, 10> kTwoDiceLengths = {
    kTwoDice,
    {{{"Garrison Duty", "Cadre Duty"}, {"Pirate Hunting"},  {"Defensive Campaign"}}},
    {{
        {2,  {"1 year, 10 months",   "11 months",           "1 year"}},
        {3,  {"1 year, 8 months",    "9 months",            "10 months"}},
        {4,  {"1 year, 6 months",    "7 months",            "8 months"}},
        {5,  {"1 year, 4 months",    "5 months",            "6 months"}},
        {6,  {"1 year, 2 months",    "3 months",            "4 months"}},
        {8,  {"1 year, 1 month",     "4 months",            "5 months"}},
        {9,  {"1 year, 3 months",    "6 months",            "7 months"}},
        {10, {"1 year, 5 months",    "8 months",            "9 months"}},
        {11, {"1 year, 7 months",    "10 months",           "11 months"}},
        {12, {"1 year, 9 months",    "1 year",              "1 year, 1 month"}},
    }},
    {"1 year",                       "2 months",            "3 months"},
};

constexpr LengthGrid<6, 6> kOneDieLengths = {
    kOneDie,
    {{{"Recon Raid", "Diversionary Raid"}, {"Retainer"}, {"Planetary Assault", "Security Duty"},
      {"Extraction Raid", "Riot Duty"}, {"Relief Duty"}, {"Guerrilla Warfare"}}},
    {{
        {1, {kBlank,     "5 years", "7 months", "4 months", kBlank,     "9 months"}},
        {2, {"2 months", kBlank,    "5 months", kBlank,     "5 months", "7 months"}},
        {3, {kBlank,     "3 years", "8 months", "5 months", "3 months", kBlank}},
        {4, {"3 months", kBlank,    "6 months", kBlank,     "4 months", "8 months"}},
        {5, {kBlank,     "4 years", kBlank,     "6 months", "6 months", kBlank}},
        {6, {"4 months", kBlank,    kBlank,     kBlank,     kBlank,     "10 months"}},
    }},
    {"1 month",      "2 years", "4 months", "3 months", "2 months", "6 months"},
};

// The small die, 0..3.
constexpr LengthGrid<1, 1> kObjectiveRaidLengths = {
    kSmallDie,
    {{{"Objective Raid"}}},
    {{
        {1, {"1 month"}},
    }},
    {"2 months"},
};
// clang-format on

template <std::size_t C, std::size_t R>
constexpr bool facesWithinDice(const LengthGrid<C, R>& grid) {
    for (const auto& row : grid.rows) {
        if (row.face < 0 || row.face > grid.dice.faces * grid.dice.count) {
            return false;
        }
    }
    return true;
}
static_assert(facesWithinDice(kTwoDiceLengths));
static_assert(facesWithinDice(kOneDieLengths));
static_assert(facesWithinDice(kObjectiveRaidLengths));

// Where an assignment's lengths live: which grid is rolled and which column is read. A column
// is known by its "other" entry, which also tells a length from the "other" row.
struct LengthColumn {
    DiceSpec dice;
    const std::string_view& (*lookup)(const std::string_view* other, int roll);
    const std::string_view* other;
};

template <const auto& Grid>
const std::string_view& lookupGrid(const std::string_view* other, int roll) {
    const auto column = static_cast<std::size_t>(other - Grid.other.data());
    for (const auto& row : Grid.rows) {
        if (row.face == roll && !row.lengths[column].empty()) {
            return row.lengths[column];
        }
    }
    return *other;
}

template <const auto& Grid>
std::optional<LengthColumn> findColumn(std::string_view assignment) {
    for (std::size_t column = 0; column < Grid.assignments.size(); ++column) {
        for (std::string_view name : Grid.assignments[column]) {
            if (!name.empty() && name == assignment) {
                return LengthColumn{Grid.dice, &lookupGrid<Grid>, &Grid.other[column]};
            }
        }
    }
    return std::nullopt;
}

std::optional<LengthColumn> columnFor(std::string_view assignment) {
    if (auto found = findColumn<kTwoDiceLengths>(assignment)) {
        return found;
    }
    if (auto found = findColumn<kOneDieLengths>(assignment)) {
        return found;
    }
    return findColumn<kObjectiveRaidLengths>(assignment);
}

}  // namespace

std::optional<DiceSpec> lengthDiceFor(std::string_view assignment) {
    const auto column = columnFor(assignment);
    if (!column) {
        return std::nullopt;
    }
    return column->dice;
}

std::string_view contractLengthFor(std::string_view assignment, int roll) {
    const auto column = columnFor(assignment);
    return column ? column->lookup(column->other, roll) : kUnknownLength;
}

std::string_view rollContractLength(Dice& dice, std::string_view assignment,
                                    std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Length, choice)) {
            return choice;
        }
        const auto column = columnFor(assignment);
        if (!column) {
            record.tell([](RollRecorder& recorder) {
                recorder.note("no length table for this assignment");
            });
            return record.result(kUnknownLength);
        }
        const int roll = dice.roll(column->dice);
        const std::string_view& length = column->lookup(column->other, roll);
        // The assignment is one of the tables' names: it matched one exactly.
        record.tell([&](RollRecorder& recorder) {
            recorder.rolled(assignment, roll, {roll, roll, &length == column->other});
        });
        return record.result(length);
    });
}
