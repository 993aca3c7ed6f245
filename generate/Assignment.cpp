#include <string>

#include "generate/AssignmentTables.h"
#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/RuleLookup.h"
#include "generate/Terms.h"

namespace {

const NestedRules& assignmentTable(const RuleSet& rules, int table) {
    return rules.assignmentTables[static_cast<std::size_t>(table)].table;
}

AssignmentPick pickOf(const TablePick& row) {
    return {row.name, row.againstClans, static_cast<AssignmentTable>(row.next)};
}

int tableIndexFor(std::string_view employer, const RuleSet& rules) {
    return employerFacts(employer, rules).assignmentTable;
}

}  // namespace

AssignmentTable assignmentTableFor(std::string_view employer, const RuleSet& rules) {
    return static_cast<AssignmentTable>(tableIndexFor(employer, rules));
}

AssignmentPick assignmentForRoll(AssignmentTable table, int roll, const RuleSet& rules) {
    return pickOf(lookupRange(assignmentTable(rules, static_cast<int>(table)).rows, roll));
}

std::string_view rollSpecialAssignment(Dice& dice) {
    const auto tableFor = [](int table) -> const NestedRules& {
        return assignmentTable(builtInRules(), table);
    };
    return rollNested(dice, Unrecorded{}, static_cast<int>(AssignmentTable::Special), tableFor)
        .name;
}

AssignmentPick rollAssignment(Dice& dice, std::string_view employer, std::string_view choice,
                              const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> AssignmentPick {
        if (record.fixedTerm(RolledTerm::Assignment, choice)) {
            return {choice};
        }
        record.tell([&](RollRecorder& recorder) {
            if (!employerInTables(employer, rules)) {
                recorder.note(kNotInTables);
            }
        });
        const auto tableFor = [&](int table) -> const NestedRules& {
            return assignmentTable(rules, table);
        };
        const AssignmentPick pick =
            pickOf(rollNested(dice, record, tableIndexFor(employer, rules), tableFor));
        record.result(pick.name, pick.againstClans ? kAgainstClansSuffix : std::string_view());
        return pick;
    });
}
