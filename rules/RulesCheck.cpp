#include "rules/RulesCheck.h"

#include <algorithm>
#include <map>

#include "document/NumberText.h"
#include "generate/AssignmentTables.h"
#include "rules/RulesFileNames.h"

namespace {

using namespace rulesfile;

class Checker {
public:
    explicit Checker(std::vector<RulesProblem>& problems) : m_problems(problems) {}

    void problem(RowAt at, std::string message) {
        m_problems.push_back({at.line, at.column, std::move(message)});
    }

    // Rows in ascending order that cover every total from `lowest` to `highest` once.
    template <typename T>
    void covers(const std::vector<Range<T>>& rows, const TableAt& at, int lowest, int highest,
                std::string_view reach) {
        if (rows.empty() || at.rows.size() != rows.size()) {
            return;  // the reader noted why
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!rowInOrder(rows, at, i)) {
                return;
            }
        }
        if (rows.front().low > lowest) {
            problem(at.rows.front(), totals(lowest, rows.front().low - 1) + " not covered (" +
                                         std::string(reach) + ")");
        }
        if (rows.back().high < highest) {
            problem(at.rows.back(), totals(rows.back().high + 1, highest) + " not covered (" +
                                        std::string(reach) + ")");
        }
    }

    // Rows in ascending order within the faces of `dice`; faces they leave out go to "other".
    template <typename T>
    void withinFaces(const std::vector<Range<T>>& rows, const TableAt& at, TableDice dice) {
        if (at.rows.size() != rows.size()) {
            return;
        }
        const int most = dice.count * dice.faces;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!rowInOrder(rows, at, i, true)) {
                return;
            }
            if (rows[i].low < 0 || rows[i].high > most) {
                problem(at.rows[i], "the dice of this table show 0 to " + formatInt(most) +
                                        "; this row reaches past them");
            }
        }
    }

    template <typename Family, typename Positions>
    void links(Family& tables, const Positions& at, std::string_view family) {
        if (at.size() != tables.size()) {
            return;
        }
        std::map<std::string, int, std::less<>> byName;
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const std::string& name = tables[i].table.name;
            if (!byName.emplace(name, static_cast<int>(i)).second) {
                problem(at[i].table,
                        "a second " + std::string(family) + " table is named '" + name + "'");
            }
        }
        for (std::size_t i = 0; i < tables.size(); ++i) {
            for (auto& row : tables[i].table.rows) {
                TablePick& pick = row.value;
                if (pick.next < 0) {
                    continue;
                }
                const LinkAt& link = at[i].links[static_cast<std::size_t>(pick.next)];
                const auto found = byName.find(link.table);
                pick.next = -1;
                if (found == byName.end()) {
                    problem(link.at,
                            "no " + std::string(family) + " table is named '" + link.table + "'");
                } else if (found->second == static_cast<int>(i)) {
                    problem(link.at, "the row leads to its own table");
                } else {
                    pick.next = found->second;
                }
            }
        }
        // A row whose roll can come back to its own table could go round for ever.
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const auto& rows = tables[i].table.rows;
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const int next = rows[r].value.next;
                if (next >= 0 && reaches(tables, next, static_cast<int>(i))) {
                    problem(at[i].rows[r], "rolling on from this row can come back to table '" +
                                               tables[i].table.name + "'");
                }
            }
        }
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const TableDice dice = tables[i].table.dice;
            covers(tables[i].table.rows, TableAt{at[i].table, at[i].rows}, 0,
                   dice.count * dice.faces, diceReach(dice));
        }
    }

    static std::string diceReach(TableDice dice) {
        return "the dice show 0 to " + formatInt(dice.count * dice.faces);
    }

    static std::string totals(int low, int high) {
        return low == high ? "total " + formatInt(low) + " is"
                           : "totals " + formatInt(low) + " to " + formatInt(high) + " are";
    }

private:
    template <typename T>
    bool rowInOrder(const std::vector<Range<T>>& rows, const TableAt& at, std::size_t i,
                    bool gapsAllowed = false) {
        const Range<T>& row = rows[i];
        if (row.low > row.high) {
            problem(at.rows[i], "the row's low is above its high");
            return false;
        }
        if (i > 0 && row.low == ::kOrLess) {
            problem(at.rows[i], "only the first row may start \"or less\"");
            return false;
        }
        if (i + 1 < rows.size() && row.high == ::kOrMore) {
            problem(at.rows[i], "only the last row may end \"or more\"");
            return false;
        }
        if (i == 0) {
            return true;
        }
        const Range<T>& before = rows[i - 1];
        if (row.low <= before.high) {
            problem(at.rows[i], totals(row.low, std::min(row.high, before.high)) +
                                    " covered twice (also by the row on line " +
                                    formatInt(at.rows[i - 1].line) +
                                    "); rows run from the lowest total to the highest");
            return false;
        }
        if (!gapsAllowed && row.low > before.high + 1) {
            problem(at.rows[i], totals(before.high + 1, row.low - 1) + " not covered");
        }
        return true;
    }

    template <typename Family>
    static bool reaches(const Family& tables, int from, int target) {
        std::vector<bool> seen(tables.size());
        std::vector<int> pending{from};
        while (!pending.empty()) {
            const int table = pending.back();
            pending.pop_back();
            if (table == target) {
                return true;
            }
            if (seen[static_cast<std::size_t>(table)]) {
                continue;
            }
            seen[static_cast<std::size_t>(table)] = true;
            for (const auto& row : tables[static_cast<std::size_t>(table)].table.rows) {
                if (row.value.next >= 0) {
                    pending.push_back(row.value.next);
                }
            }
        }
        return false;
    }

    std::vector<RulesProblem>& m_problems;
};

// The lowest and highest sum of one modifier from each list, where a name no list holds adds 0.
template <typename... Lists>
std::pair<int, int> modifierReach(const Lists&... lists) {
    int low = 0;
    int high = 0;
    const auto add = [&](const std::vector<Keyed<int>>& list) {
        int least = 0;
        int most = 0;
        for (const auto& row : list) {
            least = std::min(least, row.value);
            most = std::max(most, row.value);
        }
        low += least;
        high += most;
    };
    (add(lists), ...);
    return {low, high};
}

std::string twoDiceReach(std::pair<int, int> modifiers) {
    return "two dice and the modifiers reach " + formatInt(modifiers.first) + " to " +
           formatInt(12 + modifiers.second);
}

bool namesAssignment(const RuleSet& rules, const std::string& assignment) {
    for (const LengthRules& table : rules.lengthTables) {
        if (std::find(table.assignments.begin(), table.assignments.end(), assignment) !=
            table.assignments.end()) {
            return true;
        }
    }
    return std::find(rules.assignmentsWithoutLength.begin(), rules.assignmentsWithoutLength.end(),
                     assignment) != rules.assignmentsWithoutLength.end();
}

void checkAssignments(const RuleSet& rules, const RulesPositions& at, Checker& check) {
    if (at.assignmentTables.size() != rules.assignmentTables.size()) {
        return;
    }
    for (std::size_t i = 0; i < rules.assignmentTables.size(); ++i) {
        const auto& rows = rules.assignmentTables[i].table.rows;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const TablePick& pick = rows[r].value;
            if (pick.next >= 0 || pick.name.empty()) {
                continue;
            }
            const RowAt where = at.assignmentTables[i].rows[r];
            if (!namesAssignment(rules, pick.name)) {
                check.problem(where, "assignment '" + pick.name +
                                         "' has no length table (add one, or list it in "
                                         "contract_length's without_table)");
            }
            if (pick.againstClans &&
                pick.name.size() + kAgainstClansSuffix.size() > kLongestValue) {
                check.problem(where, "'" + pick.name + std::string(kAgainstClansSuffix) +
                                         "' is longer than the " +
                                         formatInt(static_cast<long long>(kLongestValue)) +
                                         " characters the listing gives it");
            }
        }
    }
    for (std::size_t kind = 0; kind < kEmployerKindCount; ++kind) {
        const bool served =
            std::any_of(rules.assignmentTables.begin(), rules.assignmentTables.end(),
                        [&](const AssignmentTableRules& table) {
                            return table.kind && static_cast<std::size_t>(*table.kind) == kind;
                        });
        if (!served && !at.assignmentTables.empty()) {
            check.problem(at.assignmentTables.front().table,
                          "no assignment table has kind = \"" + std::string(kindWord(kind)) +
                              "\", so " + std::string(kindWord(kind)) +
                              " employers have none to roll on");
        }
    }
}

}  // namespace

void checkRules(RuleSet& rules, const RulesPositions& at, std::vector<RulesProblem>& problems) {
    Checker check(problems);
    const auto countReach = modifierReach(rules.offerCountModifiers);
    check.covers(rules.offerCounts, at.offerCounts, countReach.first, 12 + countReach.second,
                 twoDiceReach(countReach));

    check.links(rules.employerTables, at.employerTables, "employer");
    check.links(rules.assignmentTables, at.assignmentTables, "assignment");
    checkAssignments(rules, at, check);

    if (at.lengthTables.size() == rules.lengthTables.size()) {
        for (std::size_t i = 0; i < rules.lengthTables.size(); ++i) {
            check.withinFaces(rules.lengthTables[i].rows, at.lengthTables[i],
                              rules.lengthTables[i].dice);
        }
    }
    check.covers(rules.corpPayFactors, at.corpPayFactors, 0, 12, "two dice show 0 to 12");
    const auto supportReach =
        modifierReach(rules.supportRatingModifiers, rules.supportEmployerModifiers);
    check.covers(rules.supportTable, at.supportTable, supportReach.first, 12 + supportReach.second,
                 twoDiceReach(supportReach));
    check.withinFaces(rules.transportTable, at.transportTable, TableDice{6, 1});
    const auto salvageReach = modifierReach(rules.salvageEmployerModifiers);
    check.covers(rules.salvageTable, at.salvageTable, salvageReach.first, 12 + salvageReach.second,
                 twoDiceReach(salvageReach));
    if (at.commandTables.size() == rules.commandTables.size()) {
        for (std::size_t i = 0; i < rules.commandTables.size(); ++i) {
            const TableDice dice = rules.commandTables[i].dice;
            check.covers(rules.commandTables[i].rows, at.commandTables[i], 0,
                         dice.count * dice.faces, Checker::diceReach(dice));
        }
    }
}
