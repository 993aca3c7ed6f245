#include "generate/Rights.h"

#include <string>

#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RuleLookup.h"
#include "generate/Terms.h"

namespace {

// The command table that names the employer; nullptr for employers that get their kind's
// command without a roll.
const CommandRules* commandTableFor(std::string_view employer, const RuleSet& rules) {
    return employerFacts(employer, rules).commandTable;
}

std::string_view commandByKind(EmployerKind kind, const RuleSet& rules) {
    return rules.commandByKind[static_cast<std::size_t>(kind)];
}

}  // namespace

int salvageBonus(std::string_view employer, const RuleSet& rules) {
    return employerFacts(employer, rules).salvageModifier;
}

std::string_view salvageForTotal(int total, const RuleSet& rules) {
    return lookupRange(rules.salvageTable, total);
}

std::optional<DiceSpec> commandDiceFor(std::string_view employer, const RuleSet& rules) {
    const CommandRules* table = commandTableFor(employer, rules);
    if (table == nullptr) {
        return std::nullopt;
    }
    return table->dice;
}

std::string_view commandRightsFor(std::string_view employer, int roll, const RuleSet& rules) {
    const CommandRules* table = commandTableFor(employer, rules);
    if (table == nullptr) {
        return commandByKind(kindOfEmployer(employer, rules), rules);
    }
    return lookupRange(table->rows, roll);
}

std::string_view rollSalvageRights(Dice& dice, std::string_view employer, std::string_view choice,
                                   const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Salvage, choice)) {
            return choice;
        }
        const int roll = dice.roll(kTwoDice);
        const int bonus = salvageBonus(employer, rules);
        record.tell([&](RollRecorder& recorder) {
            if (bonus != 0) {
                recorder.modifier(bonus, employer);
            }
            recorder.rolled({}, roll + bonus, spanOf(lookupRow(rules.salvageTable, roll + bonus)));
        });
        return record.result(salvageForTotal(roll + bonus, rules));
    });
}

std::string_view rollCommandRights(Dice& dice, std::string_view employer, std::string_view choice,
                                   const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Command, choice)) {
            return choice;
        }
        const EmployerFacts facts = employerFacts(employer, rules);
        const CommandRules* table = facts.commandTable;
        if (table == nullptr) {
            const EmployerKind kind = facts.kind;
            record.tell([&](RollRecorder& recorder) {
                recorder.note(facts.inTables ? std::string_view() : kNotInTables);
                recorder.note(kindName(kind));
                recorder.note(" employer, no roll");
            });
            return record.result(commandByKind(kind, rules));
        }
        const int roll = dice.roll(table->dice);
        const auto& row = lookupRow(table->rows, roll);
        record.tell(
            [&](RollRecorder& recorder) { recorder.rolled(table->name, roll, spanOf(row)); });
        return record.result(row.value);
    });
}
