#include <string>

#include "generate/ContractLengthTables.h"
#include "generate/Dice.h"
#include "generate/RuleLookup.h"
#include "generate/Terms.h"

namespace {

// The table that names the assignment; nullptr when none does.
const LengthRules* lengthTableFor(std::string_view assignment, const RuleSet& rules) {
    return assignmentFacts(assignment, rules).lengthTable;
}

// The row a roll reaches; nullptr for a face or sum the table leaves to its "other" entry.
const Range<std::string>* lengthRowFor(const LengthRules& table, int roll) {
    for (const auto& row : table.rows) {
        if (row.low <= roll && roll <= row.high) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<DiceSpec> lengthDiceFor(std::string_view assignment, const RuleSet& rules) {
    const LengthRules* table = lengthTableFor(assignment, rules);
    if (table == nullptr) {
        return std::nullopt;
    }
    return table->dice;
}

std::string_view contractLengthFor(std::string_view assignment, int roll, const RuleSet& rules) {
    const LengthRules* table = lengthTableFor(assignment, rules);
    if (table == nullptr) {
        return rules.unknownLength;
    }
    const Range<std::string>* row = lengthRowFor(*table, roll);
    return row != nullptr ? row->value : table->other;
}

std::string_view rollContractLength(Dice& dice, std::string_view assignment,
                                    std::string_view choice, const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Length, choice)) {
            return choice;
        }
        const LengthRules* table = lengthTableFor(assignment, rules);
        if (table == nullptr) {
            record.tell([](RollRecorder& recorder) {
                recorder.note("no length table for this assignment");
            });
            return record.result(rules.unknownLength);
        }
        const int roll = dice.roll(table->dice);
        const Range<std::string>* row = lengthRowFor(*table, roll);
        // The assignment is one of the tables' names: it matched one exactly.
        record.tell([&](RollRecorder& recorder) {
            recorder.rolled(assignment, roll,
                            row != nullptr ? spanOf(*row) : RowSpan{roll, roll, true});
        });
        return record.result(row != nullptr ? std::string_view(row->value)
                                            : std::string_view(table->other));
    });
}
