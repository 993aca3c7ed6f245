#pragma once

#include <array>
#include <atomic>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generate/Dice.h"

// The tables of a generation as data: every table and number the term functions read. The
// procedure (which terms, in what order, with which dice) is the program's; a RuleSet only says
// what the rows give. The built-in set is the game's printed tables; a rules file read by rules/
// gives another. A set is read-only once made, and the texts the terms return are views into it,
// so it must outlive every roll made with it and everything that keeps those views.

// Open ends of ranges such as "3 or less" and "14 or more"; modifiers push totals past the dice.
inline constexpr int kOrLess = std::numeric_limits<int>::min();
inline constexpr int kOrMore = std::numeric_limits<int>::max();

// A row of a printed table: every total from `low` to `high` inclusive gives `value`.
template <typename T>
struct Range {
    int low;
    int high;
    T value;

    bool operator==(const Range&) const = default;
};

// A row keyed by an exact name: a rating, an employer or an assignment.
template <typename T>
struct Keyed {
    std::string key;
    T value;

    bool operator==(const Keyed&) const = default;
};

// The kinds an employer is of, which choose its assignment table, its pay roll and its command.
enum class EmployerKind { Mercenary, Corp, Periphery };
inline constexpr std::size_t kEmployerKindCount = 3;

// A row of a table that may lead on: it gives `name`, or, when `next` is not negative, sends the
// roll on to the table of the same family at that position. Only assignment rows may be against
// the Clans.
struct TablePick {
    std::string name;
    int next = -1;
    bool againstClans = false;

    bool operator==(const TablePick&) const = default;
};

// A table rolled on with dice whose rows may lead on to other tables of its family.
struct NestedRules {
    std::string name;  // as explanations and rows leading on name it: "periphery"
    DiceSpec dice;
    std::vector<Range<TablePick>> rows;

    bool operator==(const NestedRules&) const = default;
};

struct EmployerTableRules {
    NestedRules table;
    EmployerKind kind;  // of the employers this table names

    bool operator==(const EmployerTableRules&) const = default;
};

// An assignment table serves the employers it names, or, failing every name, the employers of its
// kind; tables that do neither are only reached from rows leading on.
struct AssignmentTableRules {
    NestedRules table;
    std::vector<std::string> employers;
    std::optional<EmployerKind> kind;

    bool operator==(const AssignmentTableRules&) const = default;
};

// The lengths of some assignments: faces or sums the rows leave out give `other`.
struct LengthRules {
    std::vector<std::string> assignments;
    DiceSpec dice;
    std::vector<Range<std::string>> rows;
    std::string other;

    bool operator==(const LengthRules&) const = default;
};

struct SupportRow {
    std::string straight;
    std::string battleLoss;

    bool operator==(const SupportRow&) const = default;
};

struct TransportRow {
    std::string dsjs;
    std::string commercial;

    bool operator==(const TransportRow&) const = default;
};

// A great power's command table; every other employer gets its kind's command without a roll.
struct CommandRules {
    std::string name;  // as an explanation names it
    std::vector<std::string> employers;
    DiceSpec dice;
    std::vector<Range<std::string>> rows;

    bool operator==(const CommandRules&) const = default;
};

struct RuleSet;

// What the terms look up by name, found once per set on first use: each employer and assignment
// a table gives, keyed by where its text lives in the set, so that a rolled text is found without
// comparing characters. A copy of a set indexes its own texts; the index is no part of the tables.
class RuleIndex {
public:
    struct Built;

    RuleIndex();
    ~RuleIndex();
    RuleIndex(const RuleIndex&);
    RuleIndex& operator=(const RuleIndex&);
    bool operator==(const RuleIndex&) const { return true; }

    const Built& built(const RuleSet& rules) const {
        if (const Built* ready = m_ready.load(std::memory_order_acquire)) [[likely]] {
            return *ready;
        }
        return build(rules);
    }

private:
    struct Lazy;
    const Built& build(const RuleSet& rules) const;

    std::unique_ptr<Lazy> m_lazy;
    mutable std::atomic<const Built*> m_ready{nullptr};
};

struct RuleSet {
    std::string name;         // empty for the built-in tables
    std::string description;  // a line or two for whoever chooses the rules

    // The offer count: two dice plus the rating's modifier give 0..4 offers.
    std::vector<Keyed<int>> offerCountModifiers;
    std::vector<Range<int>> offerCounts;

    // The first employer table is the one rolled first.
    std::vector<EmployerTableRules> employerTables;
    std::vector<AssignmentTableRules> assignmentTables;
    std::vector<LengthRules> lengthTables;
    std::string unknownLength;  // for an assignment no length table names, without a roll
    // Assignments meant to get `unknownLength`: a rules file names them so that an assignment
    // left without a table by mistake is caught.
    std::vector<std::string> assignmentsWithoutLength;

    std::vector<Keyed<float>> payBases;  // by rating
    float otherRatingPayBase = 1.0f;
    std::vector<Keyed<float>> employerPayFactors;
    std::vector<Range<float>> corpPayFactors;  // two dice, for Corp employers without a factor
    std::vector<Keyed<float>> assignmentPayFactors;
    float otherAssignmentPayFactor = 1.0f;
    float againstClansPayFactor = 2.0f;  // in place of the assignment's factor

    // Straight support and battle-loss compensation share one table of two dice plus modifiers.
    std::vector<Keyed<int>> supportRatingModifiers;
    std::vector<Keyed<int>> supportEmployerModifiers;
    std::vector<Range<SupportRow>> supportTable;
    // Transport compensation: one die; faces no row names give `transportOther`.
    std::vector<Range<TransportRow>> transportTable;
    TransportRow transportOther;

    std::vector<Keyed<int>> salvageEmployerModifiers;
    std::vector<Range<std::string>> salvageTable;  // two dice plus the employer's modifier
    std::vector<CommandRules> commandTables;       // tried in order
    std::array<std::string, kEmployerKindCount> commandByKind;

    // Looked after by the term functions; a set must not change once it has been rolled with.
    RuleIndex index;

    bool isBuiltIn() const { return name.empty(); }

    bool operator==(const RuleSet&) const = default;
};

// The game's own tables, made once; the default of every caller without rules of its own.
const RuleSet& builtInRules();
