#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "generate/RuleSet.h"

// Rules files: the tables of a generation as a TOML file a game master edits. A file is read
// whole or not at all: either every table is sound and the result is a RuleSet, or the reader
// lists every problem it found, each at its line and column, and no table of the file is used.
// The reader works on bytes, so that tests and the fuzzer need no files.

// A rules file larger than this is refused unread.
inline constexpr std::size_t kMostRulesFileBytes = std::size_t{1} << 20;

struct RulesProblem {
    int line = 0;    // from 1; 0 when the problem concerns the file as a whole
    int column = 0;  // from 1; 0 when the line is all that is known
    std::string message;

    bool operator==(const RulesProblem&) const = default;
};

// A file's tables, or why there are none. A file whose tables are exactly the built-in ones gives
// a set without a name, which rolls and explains exactly as the built-in tables do.
using RulesReadResult = std::variant<RuleSet, std::vector<RulesProblem>>;

// Reads and checks the bytes of a rules file.
RulesReadResult readRules(std::string_view bytes);

// The rules as a commented file that readRules reads back to the same tables; the built-in set
// gets the name "My house rules", for the user to change.
std::string dumpRules(const RuleSet& rules);

// "FILE:LINE:COLUMN: message" (or "FILE:LINE: message", "FILE: message"), as the command line
// and the window list a problem.
std::string describeProblem(std::string_view file, const RulesProblem& problem);
