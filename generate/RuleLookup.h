#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "generate/RuleSet.h"

// What the terms of an offer need to know about its employer and assignment under a set of rules.
// A text the set's own tables gave is answered from the set's index; any other text (a choice, an
// edit) is looked up row by row, with the same answer.

struct EmployerFacts {
    EmployerKind kind = EmployerKind::Periphery;  // by the first table of its kind that names it
    bool inTables = false;                        // some employer table names it
    int assignmentTable = 0;                      // the assignment table it rolls on
    std::optional<float> payFactor;               // its own pay factor, if the rules give one
    int supportModifier = 0;
    int salvageModifier = 0;
    const CommandRules* commandTable = nullptr;  // null: its kind's command without a roll
};

struct AssignmentFacts {
    const LengthRules* lengthTable = nullptr;  // null: the rules' unknown length
    std::optional<float> payFactor;            // its own pay factor, if the rules give one
};

// Facts keyed by a text in the set, found by where the text lives: an open-addressed table of
// addresses, so that a rolled text is found in a probe or two without reading its characters.
template <typename Facts>
class ByAddress {
public:
    void build(const std::vector<std::pair<std::string_view, Facts>>& entries) {
        std::size_t slots = 16;
        while (slots < entries.size() * 4) {
            slots *= 2;
        }
        m_slots.assign(slots, Slot{});
        m_mask = slots - 1;
        for (const auto& [text, facts] : entries) {
            std::size_t at = slotOf(text.data());
            while (m_slots[at].text.data() != nullptr && m_slots[at].text.data() != text.data()) {
                at = (at + 1) & m_mask;
            }
            m_slots[at] = {text, facts};
        }
    }

    // The facts of the text `text` views; its length tells it from a view of part of the text.
    // Views of other memory find nothing.
    const Facts* find(std::string_view text) const {
        if (m_slots.empty()) {
            return nullptr;
        }
        for (std::size_t at = slotOf(text.data());; at = (at + 1) & m_mask) {
            const Slot& slot = m_slots[at];
            if (slot.text.data() == text.data()) {
                return slot.text.size() == text.size() && !text.empty() ? &slot.facts : nullptr;
            }
            if (slot.text.data() == nullptr) {
                return nullptr;
            }
        }
    }

private:
    struct Slot {
        std::string_view text{};
        Facts facts{};
    };

    std::size_t slotOf(const char* address) const {
        const auto key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(address));
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 32) & m_mask;
    }

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
};

struct RuleIndex::Built {
    ByAddress<EmployerFacts> employers;
    ByAddress<AssignmentFacts> assignments;
    // The transport row each face of its die reaches, so that a roll needs no search (a search's
    // branches follow the die and are mispredicted).
    std::vector<const Range<TransportRow>*> transportByFace;
};

// Row by row, for texts the index does not hold.
EmployerFacts employerFactsByName(std::string_view employer, const RuleSet& rules);
AssignmentFacts assignmentFactsByName(std::string_view assignment, const RuleSet& rules);
// The transport row `face` reaches; nullptr for a face no row names, which gives the "other" row.
const Range<TransportRow>* transportRowByFace(int face, const RuleSet& rules);

inline EmployerFacts employerFacts(std::string_view employer, const RuleSet& rules) {
    // A rolled employer is a view of a name in the set.
    if (const EmployerFacts* known = rules.index.built(rules).employers.find(employer)) {
        return *known;
    }
    return employerFactsByName(employer, rules);
}

inline AssignmentFacts assignmentFacts(std::string_view assignment, const RuleSet& rules) {
    if (const AssignmentFacts* known = rules.index.built(rules).assignments.find(assignment)) {
        return *known;
    }
    return assignmentFactsByName(assignment, rules);
}

inline const Range<TransportRow>* transportRow(int face, const RuleSet& rules) {
    const auto& byFace = rules.index.built(rules).transportByFace;
    if (face >= 0 && static_cast<std::size_t>(face) < byFace.size()) {
        return byFace[static_cast<std::size_t>(face)];
    }
    return transportRowByFace(face, rules);
}
