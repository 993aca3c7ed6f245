// toml++ is compiled into this file alone, without exceptions: a parse error is a value.
#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
#include <toml++/toml.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>

#include "document/Cp1252.h"
#include "document/NumberText.h"
#include "rules/RulesCheck.h"
#include "rules/RulesFile.h"
#include "rules/RulesFileNames.h"

namespace {

using namespace rulesfile;

// The keys a row of each kind of table may have.
constexpr std::array<std::string_view, 3> kValueRowKeys = {"low", "high", "value"};
constexpr std::array<std::string_view, 4> kSupportRowKeys = {"low", "high", "straight",
                                                             "battle_loss"};
constexpr std::array<std::string_view, 4> kTransportRowKeys = {"low", "high", "dsjs", "commercial"};

// Reads the parsed file into a RuleSet, noting every problem on the way; a value with a problem
// is left out (or given a harmless stand-in) so that the reading can go on and find the next.
class Reader {
public:
    explicit Reader(std::vector<RulesProblem>& problems) : m_problems(problems) {}

    void read(const toml::table& root, RuleSet& rules, RulesPositions& at) {
        allowKeys(root, {"name", "description", "offer_count", "employer", "assignment",
                         "contract_length", "pay", "support", "transport", "salvage", "command"});
        rules.name = text(root, "name", kLongestName).value_or("");
        if (const toml::node* node = root.get("description")) {
            rules.description = textOf(*node, kLongestDescription, true).value_or("");
        }
        readOfferCount(section(root, "offer_count"), rules, at);
        readEmployers(section(root, "employer"), rules, at);
        readAssignments(section(root, "assignment"), rules, at);
        readLengths(section(root, "contract_length"), rules, at);
        readPay(section(root, "pay"), rules, at);
        readCompensation(root, rules, at);
        readRights(root, rules, at);
    }

private:
    // ---- problems ----
    void problem(const toml::source_region& where, std::string message) {
        m_problems.push_back({static_cast<int>(where.begin.line),
                              static_cast<int>(where.begin.column), std::move(message)});
    }
    void problem(const toml::node& node, std::string message) {
        problem(node.source(), std::move(message));
    }

    void allowKeys(const toml::table& table, std::initializer_list<std::string_view> keys) {
        allowKeys(table, std::span<const std::string_view>(keys.begin(), keys.size()));
    }
    void allowKeys(const toml::table& table, std::span<const std::string_view> keys) {
        for (auto&& [key, value] : table) {
            if (std::find(keys.begin(), keys.end(), key.str()) == keys.end()) {
                problem(key.source(), "unknown key '" + std::string(key.str()) + "'");
            }
        }
    }

    static const toml::table& missingTable() {
        static const toml::table kMissing;
        return kMissing;
    }

    const toml::node* required(const toml::table& table, std::string_view key) {
        const toml::node* node = table.get(key);
        // Within a table that is missing itself, one problem says so already.
        if (node == nullptr && &table != &missingTable()) {
            problem(table, "'" + std::string(key) + "' is missing here");
        }
        return node;
    }

    // A table that must be there; an empty stand-in (whose problems are already noted) if not.
    const toml::table& section(const toml::table& parent, std::string_view key) {
        const toml::node* node = required(parent, key);
        if (node == nullptr) {
            return missingTable();
        }
        if (const toml::table* table = node->as_table()) {
            return *table;
        }
        problem(*node, "'" + std::string(key) + "' must be a table");
        return missingTable();
    }

    // ---- values ----
    std::optional<std::string> textOf(const toml::node& node, std::size_t longest,
                                      bool lineBreaks = false) {
        const auto* value = node.as_string();
        if (value == nullptr) {
            problem(node, "a text in quotes is needed here");
            return std::nullopt;
        }
        const std::string& text = value->get();
        std::size_t characters = 0;
        for (std::size_t at = 0; at < text.size(); ++characters) {
            const Utf8Step step = decodeUtf8Step(text, at);
            if (step.codePoint < 0x20 || (step.codePoint >= 0x7F && step.codePoint < 0xA0)) {
                if (!(lineBreaks && step.codePoint == '\n')) {
                    problem(node, "a text may not hold control characters");
                    return std::nullopt;
                }
            }
            at += step.length;
        }
        if (characters > longest) {
            problem(node, "the text is " + formatInt(static_cast<long long>(characters)) +
                              " characters long; at most " +
                              formatInt(static_cast<long long>(longest)) + " fit");
            return std::nullopt;
        }
        if (text.empty() && !lineBreaks) {
            problem(node, "the text is empty");
            return std::nullopt;
        }
        return text;
    }

    std::optional<std::string> text(const toml::table& table, std::string_view key,
                                    std::size_t longest = kLongestValue) {
        const toml::node* node = required(table, key);
        return node != nullptr ? textOf(*node, longest) : std::nullopt;
    }

    std::optional<int> integerOf(const toml::node& node, int low, int high, std::string_view what) {
        const auto* value = node.as_integer();
        if (value == nullptr || value->get() < low || value->get() > high) {
            problem(node, std::string(what) + " must be a whole number from " + formatInt(low) +
                              " to " + formatInt(high));
            return std::nullopt;
        }
        return static_cast<int>(value->get());
    }

    std::optional<float> factorOf(const toml::node& node) {
        double value = 0;
        if (const auto* number = node.as_floating_point()) {
            value = number->get();
        } else if (const auto* whole = node.as_integer()) {
            value = static_cast<double>(whole->get());
        } else {
            problem(node, "a factor must be a number");
            return std::nullopt;
        }
        if (!std::isfinite(value) || value <= 0 || value > kMostFactor) {
            problem(node, "a factor must be a positive number of at most " +
                              formatInt(static_cast<long long>(kMostFactor)));
            return std::nullopt;
        }
        return static_cast<float>(value);
    }

    std::optional<float> factor(const toml::table& table, std::string_view key) {
        const toml::node* node = required(table, key);
        return node != nullptr ? factorOf(*node) : std::nullopt;
    }

    std::optional<EmployerKind> kindOf(const toml::node& node) {
        if (const auto* word = node.as_string()) {
            for (std::size_t kind = 0; kind < kEmployerKindCount; ++kind) {
                if (word->get() == kindWord(kind)) {
                    return static_cast<EmployerKind>(kind);
                }
            }
        }
        problem(node, "the kind must be \"Mercenary\", \"Corp\" or \"Periphery\"");
        return std::nullopt;
    }

    // An array of at most kMostRows entries; null (noted) when the value is something else.
    const toml::array* arrayOf(const toml::node& node, std::size_t most = kMostRows) {
        const toml::array* array = node.as_array();
        if (array == nullptr) {
            problem(node, "a list in [ ] is needed here");
            return nullptr;
        }
        if (array->size() > most) {
            problem(node, "at most " + formatInt(static_cast<long long>(most)) +
                              " entries fit in one list");
            return nullptr;
        }
        return array;
    }

    // Calls `read` with each entry of `array` that is a table in { }, in order; any other entry
    // is a problem.
    template <typename Read>
    void forEachRowTable(const toml::array& array, Read read) {
        for (const toml::node& entry : array) {
            if (const toml::table* row = entry.as_table()) {
                read(*row);
            } else {
                problem(entry, "a row must be a table in { }");
            }
        }
    }

    std::vector<std::string> names(const toml::table& table, std::string_view key,
                                   bool isRequired) {
        std::vector<std::string> out;
        const toml::node* node = isRequired ? required(table, key) : table.get(key);
        if (node == nullptr) {
            return out;
        }
        if (const toml::array* array = arrayOf(*node)) {
            for (const toml::node& entry : *array) {
                if (auto name = textOf(entry, kLongestValue)) {
                    out.push_back(std::move(*name));
                }
            }
        }
        return out;
    }

    TableDice dice(const toml::table& table) {
        TableDice tableDice{6, 1};
        if (const toml::node* node = required(table, "dice")) {
            tableDice.count = integerOf(*node, 1, kMostDice, "dice").value_or(1);
        }
        if (const toml::node* node = table.get("faces")) {
            tableDice.faces = integerOf(*node, 1, kMostFaces, "faces").value_or(6);
        }
        return tableDice;
    }

    // ---- rows ----
    std::optional<int> bound(const toml::table& row, std::string_view key, int open,
                             std::string_view openWord) {
        const toml::node* node = required(row, key);
        if (node == nullptr) {
            return std::nullopt;
        }
        if (const auto* word = node->as_string(); word != nullptr && word->get() == openWord) {
            return open;
        }
        return integerOf(*node, -kMostRowTotal, kMostRowTotal,
                         std::string(key) + " (or \"" + std::string(openWord) + "\")");
    }

    // Reads each row's range, and its value with `value(row)`; rows with a problem are left out.
    template <typename T, typename Value>
    std::vector<Range<T>> rows(const toml::node* node, std::vector<RowAt>& where,
                               std::span<const std::string_view> keys, Value value) {
        std::vector<Range<T>> out;
        if (node == nullptr) {
            return out;
        }
        const toml::array* array = arrayOf(*node);
        if (array == nullptr) {
            return out;
        }
        if (array->empty()) {
            problem(*node, "a table needs at least one row");
        }
        forEachRowTable(*array, [&](const toml::table& row) {
            allowKeys(row, keys);
            const auto low = bound(row, "low", ::kOrLess, rulesfile::kOrLess);
            const auto high = bound(row, "high", ::kOrMore, rulesfile::kOrMore);
            std::optional<T> given = value(row);
            if (low && high && given) {
                out.push_back({*low, *high, std::move(*given)});
                where.push_back(positionOf(row));
            }
        });
        return out;
    }

    static RowAt positionOf(const toml::node& node) {
        return {static_cast<int>(node.source().begin.line),
                static_cast<int>(node.source().begin.column)};
    }

    std::vector<Range<std::string>> textRows(const toml::node* node, std::vector<RowAt>& where) {
        return rows<std::string>(node, where, kValueRowKeys,
                                 [&](const toml::table& row) { return text(row, "value"); });
    }

    template <typename T>
    std::vector<Keyed<T>> keyed(const toml::table& table, std::string_view key,
                                std::string_view word) {
        std::vector<Keyed<T>> out;
        const toml::node* node = required(table, key);
        const toml::array* array = node != nullptr ? arrayOf(*node) : nullptr;
        if (array == nullptr) {
            return out;
        }
        std::set<std::string> seen;
        forEachRowTable(*array, [&](const toml::table& row) {
            allowKeys(row, {word, "value"});
            auto name = text(row, word);
            std::optional<T> value;
            if (const toml::node* given = required(row, "value")) {
                if constexpr (std::is_same_v<T, float>) {
                    value = factorOf(*given);
                } else {
                    value = integerOf(*given, -kMostModifier, kMostModifier, "a modifier");
                }
            }
            if (name && !seen.insert(*name).second) {
                problem(row, "'" + *name + "' is listed twice");
                return;
            }
            if (name && value) {
                out.push_back({std::move(*name), *value});
            }
        });
        return out;
    }

    // ---- tables ----
    void readOfferCount(const toml::table& table, RuleSet& rules, RulesPositions& at) {
        allowKeys(table, {"rating_modifiers", "rows"});
        rules.offerCountModifiers = keyed<int>(table, "rating_modifiers", "rating");
        rules.offerCounts =
            rows<int>(required(table, "rows"), at.offerCounts.rows, kValueRowKeys,
                      [&](const toml::table& row) -> std::optional<int> {
                          const toml::node* node = required(row, "value");
                          return node != nullptr ? integerOf(*node, 0, 4, "the number of offers")
                                                 : std::nullopt;
                      });
        at.offerCounts.table = positionOf(table);
    }

    // Reads the rows of a nested table; `links` gets each row's table name (empty for a value).
    NestedRules nested(const toml::table& table, bool assignments, NestedAt& where) {
        NestedRules out;
        out.name = text(table, "name", kLongestName).value_or("");
        out.dice = dice(table);
        where.table = positionOf(table);
        static constexpr std::array<std::string_view, 5> kRowKeys = {"low", "high", "value",
                                                                     "table", "against_clans"};
        // Only assignment rows may be against the Clans.
        const std::span<const std::string_view> keys(kRowKeys.data(), assignments ? 5 : 4);
        out.rows = rows<TablePick>(
            required(table, "rows"), where.rows, keys,
            [&](const toml::table& row) -> std::optional<TablePick> {
                TablePick pick;
                const toml::node* value = row.get("value");
                const toml::node* next = row.get("table");
                if ((value == nullptr) == (next == nullptr)) {
                    problem(row, "a row gives either a value or a table to roll on");
                    return std::nullopt;
                }
                if (value != nullptr) {
                    auto name = textOf(*value, kLongestValue);
                    if (!name) {
                        return std::nullopt;
                    }
                    pick.name = std::move(*name);
                } else {
                    auto name = textOf(*next, kLongestName);
                    if (!name) {
                        return std::nullopt;
                    }
                    where.links.push_back({positionOf(*next), *name});
                    pick.next = static_cast<int>(where.links.size()) - 1;
                }
                if (const toml::node* clans = row.get("against_clans")) {
                    const auto* flag = clans->as_boolean();
                    if (flag == nullptr) {
                        problem(*clans, "against_clans must be true or false");
                        return std::nullopt;
                    }
                    if (flag->get() && value == nullptr) {
                        problem(*clans, "only a row that gives an assignment is against the Clans");
                        return std::nullopt;
                    }
                    pick.againstClans = flag->get();
                }
                return pick;
            });
        return out;
    }

    // The [[family.table]] blocks of a family.
    const toml::array* familyTables(const toml::table& family, std::string_view what) {
        allowKeys(family, {"table"});
        const toml::node* node = required(family, "table");
        if (node == nullptr) {
            return nullptr;
        }
        const toml::array* tables = arrayOf(*node, kMostTables);
        if (tables != nullptr && tables->empty()) {
            problem(*node, "at least one " + std::string(what) + " table is needed");
        }
        return tables;
    }

    void readEmployers(const toml::table& family, RuleSet& rules, RulesPositions& at) {
        const toml::array* tables = familyTables(family, "employer");
        if (tables == nullptr) {
            return;
        }
        forEachRowTable(*tables, [&](const toml::table& table) {
            allowKeys(table, {"name", "kind", "dice", "rows"});
            NestedAt& where = at.employerTables.emplace_back();
            EmployerTableRules read{nested(table, false, where), EmployerKind::Periphery};
            if (const toml::node* kind = required(table, "kind")) {
                read.kind = kindOf(*kind).value_or(EmployerKind::Periphery);
            }
            rules.employerTables.push_back(std::move(read));
        });
    }

    void readAssignments(const toml::table& family, RuleSet& rules, RulesPositions& at) {
        const toml::array* tables = familyTables(family, "assignment");
        if (tables == nullptr) {
            return;
        }
        forEachRowTable(*tables, [&](const toml::table& table) {
            allowKeys(table, {"name", "employers", "kind", "dice", "rows"});
            NestedAt& where = at.assignmentTables.emplace_back();
            AssignmentTableRules read{nested(table, true, where), names(table, "employers", false),
                                      std::nullopt};
            if (const toml::node* kind = table.get("kind")) {
                read.kind = kindOf(*kind);
            }
            rules.assignmentTables.push_back(std::move(read));
        });
    }

    void readLengths(const toml::table& family, RuleSet& rules, RulesPositions& at) {
        allowKeys(family, {"no_table", "without_table", "table"});
        rules.unknownLength = text(family, "no_table").value_or("");
        rules.assignmentsWithoutLength = names(family, "without_table", true);
        const toml::node* node = required(family, "table");
        const toml::array* tables = node != nullptr ? arrayOf(*node, kMostTables) : nullptr;
        if (tables == nullptr) {
            return;
        }
        forEachRowTable(*tables, [&](const toml::table& table) {
            allowKeys(table, {"assignments", "dice", "faces", "rows", "other"});
            LengthRules read;
            read.assignments = names(table, "assignments", true);
            read.dice = dice(table);
            TableAt& where = at.lengthTables.emplace_back();
            where.table = positionOf(table);
            read.rows = textRows(required(table, "rows"), where.rows);
            read.other = text(table, "other").value_or("");
            rules.lengthTables.push_back(std::move(read));
        });
    }

    void readPay(const toml::table& table, RuleSet& rules, RulesPositions& at) {
        allowKeys(table, {"rating_base", "other_rating_base", "employer_factors", "corp_factors",
                          "assignment_factors", "other_assignment_factor", "against_clans_factor"});
        rules.payBases = keyed<float>(table, "rating_base", "rating");
        rules.otherRatingPayBase = factor(table, "other_rating_base").value_or(1.0f);
        rules.employerPayFactors = keyed<float>(table, "employer_factors", "employer");
        rules.corpPayFactors =
            rows<float>(required(table, "corp_factors"), at.corpPayFactors.rows, kValueRowKeys,
                        [&](const toml::table& row) -> std::optional<float> {
                            const toml::node* node = required(row, "value");
                            return node != nullptr ? factorOf(*node) : std::nullopt;
                        });
        at.corpPayFactors.table = positionOf(table);
        rules.assignmentPayFactors = keyed<float>(table, "assignment_factors", "assignment");
        rules.otherAssignmentPayFactor = factor(table, "other_assignment_factor").value_or(1.0f);
        rules.againstClansPayFactor = factor(table, "against_clans_factor").value_or(1.0f);
    }

    void readCompensation(const toml::table& root, RuleSet& rules, RulesPositions& at) {
        const toml::table& support = section(root, "support");
        allowKeys(support, {"rating_modifiers", "employer_modifiers", "rows"});
        rules.supportRatingModifiers = keyed<int>(support, "rating_modifiers", "rating");
        rules.supportEmployerModifiers = keyed<int>(support, "employer_modifiers", "employer");
        rules.supportTable =
            rows<SupportRow>(required(support, "rows"), at.supportTable.rows, kSupportRowKeys,
                             [&](const toml::table& row) -> std::optional<SupportRow> {
                                 auto straight = text(row, "straight");
                                 auto battleLoss = text(row, "battle_loss");
                                 if (!straight || !battleLoss) {
                                     return std::nullopt;
                                 }
                                 return SupportRow{std::move(*straight), std::move(*battleLoss)};
                             });
        at.supportTable.table = positionOf(support);

        const toml::table& transport = section(root, "transport");
        allowKeys(transport, {"rows", "other"});
        const auto transportRow = [&](const toml::table& row) -> std::optional<TransportRow> {
            auto dsjs = text(row, "dsjs");
            auto commercial = text(row, "commercial");
            if (!dsjs || !commercial) {
                return std::nullopt;
            }
            return TransportRow{std::move(*dsjs), std::move(*commercial)};
        };
        rules.transportTable = rows<TransportRow>(
            required(transport, "rows"), at.transportTable.rows, kTransportRowKeys, transportRow);
        at.transportTable.table = positionOf(transport);
        const toml::table& other = section(transport, "other");
        allowKeys(other, {"dsjs", "commercial"});
        rules.transportOther = transportRow(other).value_or(TransportRow{});
    }

    void readRights(const toml::table& root, RuleSet& rules, RulesPositions& at) {
        const toml::table& salvage = section(root, "salvage");
        allowKeys(salvage, {"employer_modifiers", "rows"});
        rules.salvageEmployerModifiers = keyed<int>(salvage, "employer_modifiers", "employer");
        rules.salvageTable = textRows(required(salvage, "rows"), at.salvageTable.rows);
        at.salvageTable.table = positionOf(salvage);

        const toml::table& command = section(root, "command");
        allowKeys(command, {"by_kind", "table"});
        const toml::table& byKind = section(command, "by_kind");
        allowKeys(byKind, {kindWord(0), kindWord(1), kindWord(2)});
        for (std::size_t kind = 0; kind < kEmployerKindCount; ++kind) {
            rules.commandByKind[kind] = text(byKind, kindWord(kind)).value_or("");
        }
        const toml::node* node = command.get("table");
        const toml::array* tables = node != nullptr ? arrayOf(*node, kMostTables) : nullptr;
        if (tables == nullptr) {
            return;
        }
        forEachRowTable(*tables, [&](const toml::table& table) {
            allowKeys(table, {"name", "employers", "dice", "rows"});
            CommandRules read;
            read.name = text(table, "name", kLongestName).value_or("");
            read.employers = names(table, "employers", true);
            read.dice = dice(table);
            TableAt& where = at.commandTables.emplace_back();
            where.table = positionOf(table);
            read.rows = textRows(required(table, "rows"), where.rows);
            rules.commandTables.push_back(std::move(read));
        });
    }

    std::vector<RulesProblem>& m_problems;
};

// toml++ 3.3 reaches a point it declares unreachable (undefined behaviour) when it meets certain
// characters beyond ASCII where it looks for whitespace or a bare key: outside quotes, and in
// multi-line strings. A rules file needs neither, so such a file is refused before it is parsed.
std::optional<RulesProblem> unsafeForParser(std::string_view bytes) {
    enum class At { Plain, Comment, Basic, Literal } at = At::Plain;
    int line = 1;
    int column = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (!isUtf8Continuation(c)) {
            ++column;
        }
        if (c == '\n') {
            at = At::Plain;  // an unfinished string is the parser's to report
            ++line;
            column = 0;
            continue;
        }
        switch (at) {
            case At::Comment:
                break;
            case At::Basic:
                if (c == '\\' && i + 1 < bytes.size() && bytes[i + 1] != '\n') {
                    ++i;  // the escaped character, whatever it is, ends nothing
                    ++column;
                } else if (c == '"') {
                    at = At::Plain;
                }
                break;
            case At::Literal:
                if (c == '\'') {
                    at = At::Plain;
                }
                break;
            case At::Plain:
                if (c == '#') {
                    at = At::Comment;
                } else if (c == '"' || c == '\'') {
                    if (bytes.substr(i, 3) == std::string(3, c)) {
                        return RulesProblem{line, column,
                                            "a rules file has no strings of several lines"};
                    }
                    at = c == '"' ? At::Basic : At::Literal;
                } else if (static_cast<unsigned char>(c) >= 0x80) {
                    return RulesProblem{line, column,
                                        "outside quotes and comments only plain ASCII may stand"};
                }
                break;
        }
    }
    return std::nullopt;
}

}  // namespace

RulesReadResult readRules(std::string_view bytes) {
    std::vector<RulesProblem> problems;
    if (bytes.size() > kMostRulesFileBytes) {
        problems.push_back({0, 0,
                            "a rules file is at most 1 MB; this one is " +
                                formatInt(static_cast<long long>(bytes.size())) + " bytes"});
        return problems;
    }
    if (std::optional<RulesProblem> unsafe = unsafeForParser(bytes)) {
        problems.push_back(std::move(*unsafe));
        return problems;
    }
    toml::parse_result parsed = toml::parse(bytes);
    if (!parsed) {
        const toml::parse_error& error = parsed.error();
        problems.push_back({static_cast<int>(error.source().begin.line),
                            static_cast<int>(error.source().begin.column),
                            std::string(error.description())});
        return problems;
    }
    RuleSet rules;
    RulesPositions at;
    Reader(problems).read(parsed.table(), rules, at);
    checkRules(rules, at, problems);
    if (!problems.empty()) {
        std::stable_sort(problems.begin(), problems.end(),
                         [](const RulesProblem& a, const RulesProblem& b) {
                             return a.line != b.line ? a.line < b.line : a.column < b.column;
                         });
        return problems;
    }
    // Tables exactly the built-in ones are the built-in rules, whatever the file calls them.
    RuleSet tables = rules;
    tables.name.clear();
    tables.description = builtInRules().description;
    tables.assignmentsWithoutLength.clear();
    if (tables == builtInRules()) {
        return tables;
    }
    return rules;
}
