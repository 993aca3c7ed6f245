#include <array>
#include <string>

#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/RuleLookup.h"
#include "generate/Terms.h"

namespace {

constexpr std::array<std::string_view, kEmployerKindCount> kKindNames = {"Mercenary", "Corp",
                                                                         "Periphery"};

const NestedRules& employerTable(const RuleSet& rules, int table) {
    return rules.employerTables[static_cast<std::size_t>(table)].table;
}

}  // namespace

EmployerPick employerForRoll(EmployerTable table, int roll, const RuleSet& rules) {
    const TablePick& pick = lookupRange(employerTable(rules, static_cast<int>(table)).rows, roll);
    return {pick.name, static_cast<EmployerTable>(pick.next)};
}

EmployerKind kindOfEmployer(std::string_view employer, const RuleSet& rules) {
    return employerFacts(employer, rules).kind;
}

std::string_view kindName(EmployerKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

bool employerInTables(std::string_view employer, const RuleSet& rules) {
    return employerFacts(employer, rules).inTables;
}

std::string_view rollEmployer(Dice& dice, std::string_view choice, const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Employer, choice)) {
            return choice;
        }
        const auto tableFor = [&](int table) -> const NestedRules& {
            return employerTable(rules, table);
        };
        return record.result(rollNested(dice, record, 0, tableFor).name);
    });
}
