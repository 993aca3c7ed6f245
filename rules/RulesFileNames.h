#pragma once

#include <cstddef>
#include <string_view>

#include "generate/EmployerTables.h"
#include "generate/RuleSet.h"

// What the reader and the dump share: the words a rules file spells its tables with, and its
// limits.
namespace rulesfile {

inline constexpr std::string_view kOrLess = "or less";
inline constexpr std::string_view kOrMore = "or more";

// The word a file spells an employer kind with: its name, as explanations give it.
inline std::string_view kindWord(std::size_t kind) {
    return kindName(static_cast<EmployerKind>(kind));
}

// The listing gives a value 35 characters; an assignment against the Clans also shows " against
// Clans" there.
inline constexpr std::size_t kLongestValue = 35;
inline constexpr std::size_t kLongestName = 64;  // a table's name, the rules' name
inline constexpr std::size_t kLongestDescription = 2000;
inline constexpr std::size_t kMostTables = 64;  // of one family
inline constexpr std::size_t kMostRows = 128;   // of one table or list
inline constexpr int kMostModifier = 50;        // either way
inline constexpr int kMostRowTotal = 1000;      // a row's low and high, either way
inline constexpr double kMostFactor = 1000.0;   // keeps every product within what a text prints
inline constexpr int kMostDice = 2;
inline constexpr int kMostFaces = 6;

}  // namespace rulesfile
