#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "rules/RulesFile.h"

// A rules file as the Rules Editor's grids show it: one grid row per line of the file, kept in
// the file's order, so that comments and layout survive every edit. A table row written as an
// inline table (`{ low = 4, high = 5, value = "Free Worlds League" },`) shows one cell per field;
// any other line is one cell. Each line belongs to the family of the last section above it
// ("offer_count", "employer", ...; "rules" before the first), and each family is one tab.
struct RulesGridLine {
    std::string family;
    std::string indent;   // blanks before the line's text
    bool fields = false;  // an inline table: the cells are its fields, "key = value"
    std::vector<std::string> cells;
    std::string after;     // what follows the closing brace (", # comment")
    std::string original;  // the line as read, written back until a cell of it is edited
    bool edited = false;
};

class RulesTextGrid {
public:
    explicit RulesTextGrid(const std::string& text);

    const std::vector<RulesGridLine>& lines() const { return m_lines; }
    // The families in the order they first appear.
    const std::vector<std::string>& families() const { return m_families; }
    // The lines of `family`, as indexes into lines().
    std::vector<std::size_t> linesOf(const std::string& family) const;

    // Replaces one cell's text. A cell past the line's last one is added.
    void setCell(std::size_t line, std::size_t cell, const std::string& text);
    const std::string& cell(std::size_t line, std::size_t cell) const;

    // The file again: lines not edited come back byte for byte; an edited table row is written
    // "{ key = value, ... }".
    std::string text() const;
    // The check of text(): the tables, or every problem with its line (lines() index + 1).
    RulesReadResult check() const;

private:
    std::vector<RulesGridLine> m_lines;
    std::vector<std::string> m_families;
    std::string m_empty;
};
