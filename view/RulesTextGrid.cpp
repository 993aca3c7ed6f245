#include "view/RulesTextGrid.h"

#include <algorithm>

namespace {

// The family a section header names: "[[employer.table]]" -> "employer".
std::string familyOf(const std::string& header) {
    const std::size_t start = header.find_first_not_of('[');
    const std::size_t end = header.find_first_of(".]", start);
    return header.substr(start, end - start);
}

// Splits the inside of an inline table at the commas outside quoted texts. False when the
// quotes do not close, which leaves the line whole.
bool splitFields(const std::string& inside, std::vector<std::string>& fields) {
    std::string current;
    char quote = 0;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        const char c = inside[i];
        if (quote != 0) {
            current += c;
            if (c == '\\' && quote == '"' && i + 1 < inside.size()) {
                current += inside[++i];
            } else if (c == quote) {
                quote = 0;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
            current += c;
        } else if (c == ',') {
            fields.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (quote != 0) {
        return false;
    }
    fields.push_back(current);
    for (std::string& field : fields) {
        const std::size_t first = field.find_first_not_of(' ');
        const std::size_t last = field.find_last_not_of(' ');
        field = first == std::string::npos ? std::string() : field.substr(first, last - first + 1);
    }
    return true;
}

// An inline table on a line of its own: "{ ... }" and what follows it.
bool readInlineTable(const std::string& body, RulesGridLine& line) {
    if (body.empty() || body.front() != '{') {
        return false;
    }
    // The closing brace outside quotes.
    char quote = 0;
    std::size_t close = std::string::npos;
    for (std::size_t i = 1; i < body.size() && close == std::string::npos; ++i) {
        const char c = body[i];
        if (quote != 0) {
            if (c == '\\' && quote == '"') {
                ++i;
            } else if (c == quote) {
                quote = 0;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '}') {
            close = i;
        } else if (c == '{' || c == '[') {
            return false;  // nested values stay one cell
        }
    }
    std::vector<std::string> fields;
    if (close == std::string::npos || !splitFields(body.substr(1, close - 1), fields)) {
        return false;
    }
    line.fields = true;
    line.cells = std::move(fields);
    line.after = body.substr(close + 1);
    return true;
}

}  // namespace

RulesTextGrid::RulesTextGrid(const std::string& text) {
    std::string family = "rules";
    m_families.push_back(family);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string raw = text.substr(start, end - start);
        RulesGridLine line;
        line.original = raw;
        const std::size_t first = std::min(raw.find_first_not_of(" \t"), raw.size());
        line.indent = raw.substr(0, first);
        const std::string body = raw.substr(first);
        if (!body.empty() && body.front() == '[') {
            family = familyOf(body);
            if (std::find(m_families.begin(), m_families.end(), family) == m_families.end()) {
                m_families.push_back(family);
            }
        }
        line.family = family;
        if (!readInlineTable(body, line)) {
            line.cells = {body};
        }
        m_lines.push_back(std::move(line));
        if (end == text.size()) {
            break;
        }
        start = end + 1;
    }
    // The comments (and blank lines) just above a section's header speak of that section.
    const auto starts = [](const RulesGridLine& line, char c) {
        return !line.fields && !line.cells.front().empty() && line.cells.front()[0] == c;
    };
    const auto blank = [](const RulesGridLine& line) {
        return !line.fields && line.cells.front().find_first_not_of(" \t\r") == std::string::npos;
    };
    for (std::size_t i = 1; i < m_lines.size(); ++i) {
        if (!starts(m_lines[i], '[')) {
            continue;
        }
        for (std::size_t j = i; j-- > 0 && (starts(m_lines[j], '#') || blank(m_lines[j]));) {
            m_lines[j].family = m_lines[i].family;
        }
    }
}

std::vector<std::size_t> RulesTextGrid::linesOf(const std::string& family) const {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].family == family) {
            found.push_back(i);
        }
    }
    return found;
}

void RulesTextGrid::setCell(std::size_t line, std::size_t cell, const std::string& text) {
    std::vector<std::string>& cells = m_lines.at(line).cells;
    if (cell >= cells.size()) {
        cells.resize(cell + 1);
    }
    cells[cell] = text;
    m_lines.at(line).edited = true;
}

const std::string& RulesTextGrid::cell(std::size_t line, std::size_t cell) const {
    const std::vector<std::string>& cells = m_lines.at(line).cells;
    return cell < cells.size() ? cells[cell] : m_empty;
}

std::string RulesTextGrid::text() const {
    std::string out;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const RulesGridLine& line = m_lines[i];
        if (i > 0) {
            out += '\n';
        }
        if (!line.edited) {
            out += line.original;
            continue;
        }
        out += line.indent;
        if (line.fields) {
            out += "{ ";
            bool first = true;
            for (const std::string& cell : line.cells) {
                if (cell.empty()) {
                    continue;  // a field emptied in the grid is left out
                }
                out += first ? "" : ", ";
                out += cell;
                first = false;
            }
            out += " }";
            out += line.after;
        } else {
            for (const std::string& cell : line.cells) {
                out += cell;
            }
        }
    }
    return out;
}

RulesReadResult RulesTextGrid::check() const {
    return readRules(text());
}
