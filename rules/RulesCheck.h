#pragma once

#include <string>
#include <vector>

#include "generate/RuleSet.h"
#include "rules/RulesFile.h"

// Where the reader found each table and row of a RuleSet, for the check's problems; the rows of
// each list run parallel to the rows read.
struct RowAt {
    int line = 0;
    int column = 0;
};

// A row that leads on, by the name of the table it names; the row's `next` holds the position of
// its link here until the check resolves it to the table's.
struct LinkAt {
    RowAt at;
    std::string table;
};

struct NestedAt {
    RowAt table;
    std::vector<RowAt> rows;
    std::vector<LinkAt> links;
};

struct TableAt {
    RowAt table;
    std::vector<RowAt> rows;
};

struct RulesPositions {
    TableAt offerCounts;
    std::vector<NestedAt> employerTables;
    std::vector<NestedAt> assignmentTables;
    std::vector<TableAt> lengthTables;
    TableAt corpPayFactors;
    TableAt supportTable;
    TableAt transportTable;
    TableAt salvageTable;
    std::vector<TableAt> commandTables;
};

// Resolves the rows that lead on to their tables and notes everything that would make a roll
// with `rules` go wrong: totals the dice and modifiers can reach that no row covers or two rows
// cover, rows leading nowhere or round in a circle, assignments without a length, kinds of
// employer without an assignment table.
void checkRules(RuleSet& rules, const RulesPositions& at, std::vector<RulesProblem>& problems);
