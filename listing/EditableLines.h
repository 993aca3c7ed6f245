#pragma once

#include <optional>
#include <string>

class ContractDocument;

// Which listing line a double-click may edit, which field it changes and the prompt the edit
// dialog shows. Lines of offers beyond the count, the count line, headers, sub-headings and
// blank lines are not editable.
struct EditableLine {
    std::string* field = nullptr;
    std::string prompt;  // ready to show: the label followed by the current text (the rating: none)
};

std::optional<EditableLine> findEditableLine(ContractDocument& doc, int line);

// The line under a client y coordinate: (y + scroll position) / line height, integer division.
// Rows above line 1 are line 0; a zero line height (not yet measured) gives line 0.
int lineAtY(int clientY, int scrollY, int lineHeight);
