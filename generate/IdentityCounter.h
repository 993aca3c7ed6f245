#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Counts occurrences of keys made of two 64-bit words, in one open-addressed table. A key is an
// identity, not a text: a view into a static table is counted by where it points, so counting
// one needs no hashing of characters and no allocation once every key has been seen. The table
// only grows when a new key appears, which happens a few dozen times per run at most.
class IdentityCounter {
public:
    struct Entry {
        std::uint64_t first = 0;
        std::uint64_t second = 0;
        std::uint64_t count = 0;  // 0 marks a free slot
    };

    IdentityCounter() : m_slots(kInitialSlots) {}

    // Counts the key once more; true when it had not been seen before.
    bool add(std::uint64_t first, std::uint64_t second) {
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = slotFor(first, second) & mask;; i = (i + 1) & mask) {
            Entry& slot = m_slots[i];
            if (slot.count != 0 && slot.first == first && slot.second == second) {
                ++slot.count;
                return false;
            }
            if (slot.count == 0) {
                slot = {first, second, 1};
                if (++m_used * 2 > m_slots.size()) {
                    grow();
                }
                return true;
            }
        }
    }

    // Every key seen, with its count, in no particular order.
    template <typename Visit>
    void forEach(Visit visit) const {
        for (const Entry& slot : m_slots) {
            if (slot.count != 0) {
                visit(slot);
            }
        }
    }

private:
    static constexpr std::size_t kInitialSlots = 64;  // a power of two

    static std::size_t slotFor(std::uint64_t first, std::uint64_t second) {
        const std::uint64_t mixed = (first ^ (second * 0x9E3779B97F4A7C15u)) * 0xBF58476D1CE4E5B9u;
        return static_cast<std::size_t>(mixed ^ (mixed >> 29));
    }

    void grow() {
        std::vector<Entry> old(m_slots.size() * 2);
        old.swap(m_slots);
        const std::size_t mask = m_slots.size() - 1;
        for (const Entry& entry : old) {
            if (entry.count == 0) {
                continue;
            }
            std::size_t i = slotFor(entry.first, entry.second) & mask;
            while (m_slots[i].count != 0) {
                i = (i + 1) & mask;
            }
            m_slots[i] = entry;
        }
    }

    std::vector<Entry> m_slots;
    std::size_t m_used = 0;
};
