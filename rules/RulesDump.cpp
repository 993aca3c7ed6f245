#include <array>
#include <charconv>
#include <string>

#include "document/NumberText.h"
#include "rules/RulesFile.h"
#include "rules/RulesFileNames.h"

namespace {

using namespace rulesfile;

// The built-in tables have no name; a file made from them gets one to change.
constexpr std::string_view kDumpedBuiltInName = "My house rules";

// A TOML basic string. Rules texts hold no control characters (the reader refuses them), but a
// set made in code might, so they are escaped all the same.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            static constexpr std::string_view kHex = "0123456789ABCDEF";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

// The shortest text that reads back as this single-precision number, always with a point or an
// exponent so that it reads as a number with a fraction.
std::string factorText(float value) {
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    std::string text(digits.data(), written.ptr);
    if (text.find_first_of(".en") == std::string::npos) {
        text += ".0";
    }
    return text;
}

std::string boundText(int bound) {
    if (bound == ::kOrLess) {
        return quoted(rulesfile::kOrLess);
    }
    if (bound == ::kOrMore) {
        return quoted(rulesfile::kOrMore);
    }
    return formatInt(bound);
}

std::string span(int low, int high) {
    return "{ low = " + boundText(low) + ", high = " + boundText(high);
}

std::string nameList(const std::vector<std::string>& names) {
    std::string out = "[";
    for (std::size_t i = 0; i < names.size(); ++i) {
        out += (i == 0 ? "" : ", ") + quoted(names[i]);
    }
    return out + "]";
}

std::string diceLines(DiceSpec dice) {
    std::string out = "dice = " + formatInt(dice.count) + "\n";
    if (dice.faces != 6) {
        out += "faces = " + formatInt(dice.faces) + "\n";
    }
    return out;
}

void writeKeyed(std::string& out, std::string_view key, std::string_view word,
                const std::vector<Keyed<int>>& rows) {
    out.append(key).append(" = [\n");
    for (const auto& row : rows) {
        out.append("    { ").append(word).append(" = ").append(quoted(row.key));
        out.append(", value = ").append(formatInt(row.value)).append(" },\n");
    }
    out += "]\n";
}

void writeKeyed(std::string& out, std::string_view key, std::string_view word,
                const std::vector<Keyed<float>>& rows) {
    out.append(key).append(" = [\n");
    for (const auto& row : rows) {
        out.append("    { ").append(word).append(" = ").append(quoted(row.key));
        out.append(", value = ").append(factorText(row.value)).append(" },\n");
    }
    out += "]\n";
}

void writeTextRows(std::string& out, const std::vector<Range<std::string>>& rows) {
    out += "rows = [\n";
    for (const auto& row : rows) {
        out += "    " + span(row.low, row.high) + ", value = " + quoted(row.value) + " },\n";
    }
    out += "]\n";
}

template <typename Family>
std::string tableName(const Family& tables, int index) {
    return tables[static_cast<std::size_t>(index)].table.name;
}

template <typename Family>
void writeNestedRows(std::string& out, const NestedRules& table, const Family& family) {
    out += "rows = [\n";
    for (const auto& row : table.rows) {
        out += "    " + span(row.low, row.high);
        if (row.value.next >= 0) {
            out += ", table = " + quoted(tableName(family, row.value.next));
        } else {
            out += ", value = " + quoted(row.value.name);
        }
        if (row.value.againstClans) {
            out += ", against_clans = true";
        }
        out += " },\n";
    }
    out += "]\n";
}

void writeHeader(std::string& out, const RuleSet& rules) {
    out +=
        "# Zuvaduro rules: the tables a generation rolls on. Check a changed file with\n"
        "#   zuvaduro --rules-check FILE\n"
        "# and roll with it with --roll RATING --rules FILE, or compare its odds with the\n"
        "# built-in tables with --odds RATING --rules FILE --compare.\n"
        "#\n"
        "# Each table lists its rows one to a line: every total from low to high gives the\n"
        "# value (\"or less\" and \"or more\" open the first and the last row), or rolls on\n"
        "# the table a row names. Every total the dice and modifiers can reach must be\n"
        "# covered exactly once. Texts are at most 35 characters, the width of the listing.\n"
        "# Lines starting with # are comments.\n\n";
    out += "# Explanations and the window name the rules by their name.\n";
    out +=
        "name = " + quoted(rules.isBuiltIn() ? std::string_view(kDumpedBuiltInName) : rules.name) +
        "\n";
    out += "description = " + quoted(rules.description) + "\n";
}

void writeOfferCount(std::string& out, const RuleSet& rules) {
    out += "\n# ---- Offers: two dice plus the rating's modifier (other ratings +0) ----\n";
    out += "[offer_count]\n";
    writeKeyed(out, "rating_modifiers", "rating", rules.offerCountModifiers);
    out += "# The number of offers, 0 to 4.\nrows = [\n";
    for (const auto& row : rules.offerCounts) {
        out += "    " + span(row.low, row.high) + ", value = " + formatInt(row.value) + " },\n";
    }
    out += "]\n";
}

void writeEmployers(std::string& out, const RuleSet& rules) {
    out +=
        "\n# ---- Employers: the first table is rolled first. `kind` (Mercenary, Corp or\n"
        "# Periphery) is the kind of the employers a table names; it chooses their\n"
        "# assignment table, pay and command. Great powers are named where they matter. ----\n";
    for (const EmployerTableRules& table : rules.employerTables) {
        out += "\n[[employer.table]]\nname = " + quoted(table.table.name) + "\n";
        out += "kind = " + quoted(kKindWords[static_cast<std::size_t>(table.kind)]) + "\n";
        out += diceLines(table.table.dice);
        writeNestedRows(out, table.table, rules.employerTables);
    }
}

void writeAssignments(std::string& out, const RuleSet& rules) {
    out +=
        "\n# ---- Assignments: an employer rolls on the table that names it in `employers`,\n"
        "# else on the table of its kind; the other tables are reached from rows. ----\n";
    for (const AssignmentTableRules& table : rules.assignmentTables) {
        out += "\n[[assignment.table]]\nname = " + quoted(table.table.name) + "\n";
        if (!table.employers.empty()) {
            out += "employers = " + nameList(table.employers) + "\n";
        }
        if (table.kind) {
            out += "kind = " + quoted(kKindWords[static_cast<std::size_t>(*table.kind)]) + "\n";
        }
        out += diceLines(table.table.dice);
        writeNestedRows(out, table.table, rules.assignmentTables);
    }
}

void writeLengths(std::string& out, const RuleSet& rules) {
    out +=
        "\n# ---- Contract length: one table per group of assignments; faces and sums the\n"
        "# rows leave out give `other`. Every assignment needs a table, or a place in\n"
        "# `without_table`, which gives `no_table` without a roll. ----\n";
    out += "[contract_length]\nno_table = " + quoted(rules.unknownLength) + "\n";
    out += "without_table = " + nameList(rules.assignmentsWithoutLength) + "\n";
    for (const LengthRules& table : rules.lengthTables) {
        out += "\n[[contract_length.table]]\nassignments = " + nameList(table.assignments) + "\n";
        out += diceLines(table.dice);
        writeTextRows(out, table.rows);
        out += "other = " + quoted(table.other) + "\n";
    }
}

void writePay(std::string& out, const RuleSet& rules) {
    out +=
        "\n# ---- Payment multiplier: the rating's base x the employer's factor x the\n"
        "# assignment's factor (or the against-Clans factor). Factors are positive. ----\n";
    out += "[pay]\n";
    writeKeyed(out, "rating_base", "rating", rules.payBases);
    out += "other_rating_base = " + factorText(rules.otherRatingPayBase) + "\n";
    writeKeyed(out, "employer_factors", "employer", rules.employerPayFactors);
    out += "# Two dice, for Corp employers without a factor of their own.\ncorp_factors = [\n";
    for (const auto& row : rules.corpPayFactors) {
        out += "    " + span(row.low, row.high) + ", value = " + factorText(row.value) + " },\n";
    }
    out += "]\n";
    writeKeyed(out, "assignment_factors", "assignment", rules.assignmentPayFactors);
    out += "other_assignment_factor = " + factorText(rules.otherAssignmentPayFactor) + "\n";
    out += "against_clans_factor = " + factorText(rules.againstClansPayFactor) + "\n";
}

void writeSupport(std::string& out, const RuleSet& rules) {
    out +=
        "\n# ---- Straight support and battle-loss compensation: two dice plus the\n"
        "# rating's and the employer's modifiers. ----\n";
    out += "[support]\n";
    writeKeyed(out, "rating_modifiers", "rating", rules.supportRatingModifiers);
    writeKeyed(out, "employer_modifiers", "employer", rules.supportEmployerModifiers);
    out += "rows = [\n";
    for (const auto& row : rules.supportTable) {
        out += "    " + span(row.low, row.high) + ", straight = " + quoted(row.value.straight) +
               ", battle_loss = " + quoted(row.value.battleLoss) + " },\n";
    }
    out += "]\n";

    out +=
        "\n# ---- Transport compensation: one die; faces the rows leave out give `other`. ----\n";
    out += "[transport]\nrows = [\n";
    for (const auto& row : rules.transportTable) {
        out += "    " + span(row.low, row.high) + ", dsjs = " + quoted(row.value.dsjs) +
               ", commercial = " + quoted(row.value.commercial) + " },\n";
    }
    out += "]\nother = { dsjs = " + quoted(rules.transportOther.dsjs) +
           ", commercial = " + quoted(rules.transportOther.commercial) + " }\n";
}

void writeRights(std::string& out, const RuleSet& rules) {
    out += "\n# ---- Salvage rights: two dice plus the employer's modifier. ----\n";
    out += "[salvage]\n";
    writeKeyed(out, "employer_modifiers", "employer", rules.salvageEmployerModifiers);
    writeTextRows(out, rules.salvageTable);

    out +=
        "\n# ---- Command rights: the first table naming the employer is rolled; every other\n"
        "# employer gets the command of its kind without a roll. ----\n";
    out += "[command]\nby_kind = { ";
    for (std::size_t kind = 0; kind < kEmployerKindCount; ++kind) {
        out += (kind == 0 ? "" : ", ") + std::string(kKindWords[kind]) + " = " +
               quoted(rules.commandByKind[kind]);
    }
    out += " }\n";
    for (const CommandRules& table : rules.commandTables) {
        out += "\n[[command.table]]\nname = " + quoted(table.name) + "\n";
        out += "employers = " + nameList(table.employers) + "\n";
        out += diceLines(table.dice);
        writeTextRows(out, table.rows);
    }
}

}  // namespace

std::string dumpRules(const RuleSet& rules) {
    std::string out;
    writeHeader(out, rules);
    writeOfferCount(out, rules);
    writeEmployers(out, rules);
    writeAssignments(out, rules);
    writeLengths(out, rules);
    writePay(out, rules);
    writeSupport(out, rules);
    writeRights(out, rules);
    return out;
}

std::string describeProblem(std::string_view file, const RulesProblem& problem) {
    std::string out(file);
    if (problem.line > 0) {
        out += ":" + formatInt(problem.line);
        if (problem.column > 0) {
            out += ":" + formatInt(problem.column);
        }
    }
    return out + ": " + problem.message;
}
