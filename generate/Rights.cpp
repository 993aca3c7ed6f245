#include "generate/Rights.h"

#include <array>
#include <span>
#include <string>

#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/Terms.h"

namespace {

constexpr std::string_view kNoRights = "No Rights";
constexpr std::string_view kExchangeRights = "Exchange Rights";
constexpr std::string_view kFullRights = "Full Rights";

constexpr std::string_view kIndependent = "Independent Command";
constexpr std::string_view kLiaison = "Liason Officer";
constexpr std::string_view kHouse = "House Command";
constexpr std::string_view kIntegrated = "Integrated Command";

// clang-format off
constexpr std::array<std::string_view, 2> kSalvageBonusEmployers = {kRasalhague, kDraconis};
constexpr int kSalvageBonus = 5;

constexpr std::array<Range<std::string_view>, 3> kSalvageTable = {{
    {kOrLess,  7, kNoRights},
    {8,       11, kExchangeRights},
    {12, kOrMore, kFullRights},
}};

constexpr std::array<Range<std::string_view>, 3> kFedComCommand = {{
    {0,  4, kLiaison},
    {5,  8, kHouse},
    {9, 12, kIntegrated},
}};

// One die.
constexpr std::array<Range<std::string_view>, 2> kCapellanFreeWorldsCommand = {{
    {0, 4, kHouse},
    {5, 6, kLiaison},
}};

constexpr std::array<Range<std::string_view>, 4> kDraconisCommand = {{
    {0,   3, kIndependent},
    {4,   6, kLiaison},
    {7,   9, kHouse},
    {10, 12, kIntegrated},
}};

struct CommandTable {
    std::array<std::string_view, 2> employers;
    DiceSpec dice;
    std::span<const Range<std::string_view>> rows;
    std::string_view name;  // as an explanation names it
};

// Tested in this order.
constexpr std::array<CommandTable, 3> kCommandTables = {{
    {{kFedCom},               kTwoDice, kFedComCommand,             "Federated Commonwealth"},
    {{kCapellan, kFreeWorlds}, kOneDie,  kCapellanFreeWorldsCommand, "Capellan/Free Worlds"},
    {{kDraconis},             kTwoDice, kDraconisCommand,           "Draconis"},
}};

// Every other employer, by kind (same order as EmployerKind): no roll.
constexpr std::array<std::string_view, 3> kCommandByKind = {
    kLiaison,       // Mercenary
    kLiaison,       // Corp
    kIndependent,   // Periphery
};
// clang-format on

static_assert(coversTotals(kSalvageTable, 0, 17));
static_assert(coversTotals(kFedComCommand, 0, 12));
static_assert(coversTotals(kCapellanFreeWorldsCommand, 0, 6));
static_assert(coversTotals(kDraconisCommand, 0, 12));

const CommandTable* commandTableFor(std::string_view employer) {
    for (const CommandTable& table : kCommandTables) {
        if (isOneOf(employer, table.employers)) {
            return &table;
        }
    }
    return nullptr;
}

}  // namespace

int salvageBonus(std::string_view employer) {
    return isOneOf(employer, kSalvageBonusEmployers) ? kSalvageBonus : 0;
}

std::string_view salvageForTotal(int total) {
    return lookupRange(kSalvageTable, total);
}

std::optional<DiceSpec> commandDiceFor(std::string_view employer) {
    const CommandTable* table = commandTableFor(employer);
    if (table == nullptr) {
        return std::nullopt;
    }
    return table->dice;
}

std::string_view commandRightsFor(std::string_view employer, int roll) {
    const CommandTable* table = commandTableFor(employer);
    if (table == nullptr) {
        return kCommandByKind[static_cast<std::size_t>(kindOfEmployer(employer))];
    }
    return lookupRange(table->rows, roll);
}

std::string_view rollSalvageRights(Dice& dice, std::string_view employer, std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Salvage, choice)) {
            return choice;
        }
        const int roll = dice.roll(kTwoDice);
        const int bonus = salvageBonus(employer);
        record.tell([&](RollRecorder& recorder) {
            if (bonus != 0) {
                recorder.modifier(bonus, employer);
            }
            recorder.rolled({}, roll + bonus, spanOf(lookupRow(kSalvageTable, roll + bonus)));
        });
        return record.result(salvageForTotal(roll + bonus));
    });
}

std::string_view rollCommandRights(Dice& dice, std::string_view employer, std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Command, choice)) {
            return choice;
        }
        const CommandTable* table = commandTableFor(employer);
        if (table == nullptr) {
            const EmployerKind kind = kindOfEmployer(employer);
            record.tell([&](RollRecorder& recorder) {
                recorder.note(employerInTables(employer) ? std::string_view() : kNotInTables);
                recorder.note(kindName(kind));
                recorder.note(" employer, no roll");
            });
            return record.result(kCommandByKind[static_cast<std::size_t>(kind)]);
        }
        const int roll = dice.roll(table->dice);
        const auto& row = lookupRow(table->rows, roll);
        record.tell(
            [&](RollRecorder& recorder) { recorder.rolled(table->name, roll, spanOf(row)); });
        return record.result(row.value);
    });
}
