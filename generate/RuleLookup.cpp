#include "generate/RuleLookup.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "generate/RollTable.h"

namespace {

bool namesRow(const NestedRules& table, std::string_view employer) {
    for (const auto& row : table.rows) {
        if (row.value.next < 0 && sameText(row.value.name, employer)) {
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

bool isListed(const std::vector<std::string>& names, std::string_view text) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& name) { return sameText(name, text); });
}

}  // namespace

EmployerFacts employerFactsByName(std::string_view employer, const RuleSet& rules) {
    EmployerFacts facts;
    if (namedByKind(rules, EmployerKind::Mercenary, employer)) {
        facts.kind = EmployerKind::Mercenary;
    } else if (namedByKind(rules, EmployerKind::Corp, employer)) {
        facts.kind = EmployerKind::Corp;
    }
    facts.inTables = std::any_of(
        rules.employerTables.begin(), rules.employerTables.end(),
        [&](const EmployerTableRules& table) { return namesRow(table.table, employer); });
    const auto& tables = rules.assignmentTables;
    const auto named = std::find_if(tables.begin(), tables.end(), [&](const auto& table) {
        return isListed(table.employers, employer);
    });
    const auto ofKind = std::find_if(tables.begin(), tables.end(),
                                     [&](const auto& table) { return table.kind == facts.kind; });
    // Sound rules give every kind a table.
    facts.assignmentTable = static_cast<int>(
        named != tables.end() ? named - tables.begin()
                              : (ofKind != tables.end() ? ofKind - tables.begin() : 0));
    facts.payFactor = findKeyed(rules.employerPayFactors, employer);
    facts.supportModifier = findKeyed(rules.supportEmployerModifiers, employer).value_or(0);
    facts.salvageModifier = findKeyed(rules.salvageEmployerModifiers, employer).value_or(0);
    for (const CommandRules& table : rules.commandTables) {
        if (isListed(table.employers, employer)) {
            facts.commandTable = &table;
            break;
        }
    }
    return facts;
}

AssignmentFacts assignmentFactsByName(std::string_view assignment, const RuleSet& rules) {
    AssignmentFacts facts;
    for (const LengthRules& table : rules.lengthTables) {
        if (isListed(table.assignments, assignment)) {
            facts.lengthTable = &table;
            break;
        }
    }
    facts.payFactor = findKeyed(rules.assignmentPayFactors, assignment);
    return facts;
}

const Range<TransportRow>* transportRowByFace(int face, const RuleSet& rules) {
    for (const auto& row : rules.transportTable) {
        if (row.low <= face && face <= row.high) {
            return &row;
        }
    }
    return nullptr;
}

// Built by the first thread to need it; the others wait for it once, then only read a pointer.
struct RuleIndex::Lazy {
    std::mutex building;
    Built built;
};

RuleIndex::RuleIndex() : m_lazy(std::make_unique<Lazy>()) {}
RuleIndex::~RuleIndex() = default;
RuleIndex::RuleIndex(const RuleIndex&) : m_lazy(std::make_unique<Lazy>()) {}
RuleIndex& RuleIndex::operator=(const RuleIndex&) {
    m_ready.store(nullptr);
    m_lazy = std::make_unique<Lazy>();
    return *this;
}

const RuleIndex::Built& RuleIndex::build(const RuleSet& rules) const {
    Lazy& lazy = *m_lazy;
    const std::lock_guard<std::mutex> lock(lazy.building);
    if (m_ready.load(std::memory_order_relaxed) == nullptr) {
        std::vector<std::pair<std::string_view, EmployerFacts>> employers;
        std::vector<std::pair<std::string_view, AssignmentFacts>> assignments;
        for (const EmployerTableRules& table : rules.employerTables) {
            for (const auto& row : table.table.rows) {
                if (row.value.next < 0) {
                    employers.emplace_back(row.value.name,
                                           employerFactsByName(row.value.name, rules));
                }
            }
        }
        for (const AssignmentTableRules& table : rules.assignmentTables) {
            for (const auto& row : table.table.rows) {
                if (row.value.next < 0) {
                    assignments.emplace_back(row.value.name,
                                             assignmentFactsByName(row.value.name, rules));
                }
            }
        }
        for (int face = 0; face <= kOneDie.faces; ++face) {
            lazy.built.transportByFace.push_back(transportRowByFace(face, rules));
        }
        lazy.built.employers.build(employers);
        lazy.built.assignments.build(assignments);
        m_ready.store(&lazy.built, std::memory_order_release);
    }
    return lazy.built;
}
