#include <array>
#include <string>

#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/Terms.h"

namespace {

constexpr std::array<std::string_view, kEmployerKindCount> kKindNames = {"Mercenary", "Corp",
                                                                         "Periphery"};

const NestedRules& employerTable(const RuleSet& rules, int table) {
    return rules.employerTables[static_cast<std::size_t>(table)].table;
}

bool namesRow(const NestedRules& table, std::string_view employer) {
    for (const auto& row : table.rows) {
        if (row.value.next < 0 && row.value.name == employer) {
            return true;
        }
    }
    return false;
}

bool namedByKind(const RuleSet& rules, EmployerKind kind, std::string_view employer) {
    for (const EmployerTableRules& table : rules.employerTables) {
        if (table.kind == kind && namesRow(table.table, employer)) {
            return true;
        }
    }
    return false;
}

}  // namespace

EmployerPick employerForRoll(EmployerTable table, int roll, const RuleSet& rules) {
    const TablePick& pick = lookupRange(employerTable(rules, static_cast<int>(table)).rows, roll);
    return {pick.name, static_cast<EmployerTable>(pick.next)};
}

EmployerKind kindOfEmployer(std::string_view employer, const RuleSet& rules) {
    if (namedByKind(rules, EmployerKind::Mercenary, employer)) {
        return EmployerKind::Mercenary;
    }
    if (namedByKind(rules, EmployerKind::Corp, employer)) {
        return EmployerKind::Corp;
    }
    return EmployerKind::Periphery;
}

std::string_view kindName(EmployerKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

bool employerInTables(std::string_view employer, const RuleSet& rules) {
    for (const EmployerTableRules& table : rules.employerTables) {
        if (namesRow(table.table, employer)) {
            return true;
        }
    }
    return false;
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
