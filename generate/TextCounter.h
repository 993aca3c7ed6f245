#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generate/IdentityCounter.h"

// Counts texts that live in tables for the whole run, each with a flag, by identity: a text is
// keyed by where it points and its length, so counting one reads none of its characters. That
// is sound only while every address counted keeps holding the one text it held when counted;
// a text built on the fly (a buffer used again, a temporary) would be counted under another
// text's name. Debug builds copy each text when its key first appears and assert, whenever the
// counts are read, that its address still holds that text.
class TextCounter {
public:
    void add(std::string_view text, bool flag = false) {
        [[maybe_unused]] const bool isNew =
            m_counter.add(addressOf(text), text.size() * 2 + (flag ? 1 : 0));
#ifndef NDEBUG
        if (isNew) {
            m_firstTexts.emplace_back(text, std::string(text));
        }
#endif
    }

    // Every text and flag seen, with its count, in no particular order: visit(text, flag, count).
    template <typename Visit>
    void forEach(Visit visit) const {
#ifndef NDEBUG
        for (const auto& [view, copy] : m_firstTexts) {
            assert(view == copy && "a counted text changed under its address");
        }
#endif
        m_counter.forEach([&](const IdentityCounter::Entry& entry) {
            const auto* data =
                reinterpret_cast<const char*>(static_cast<std::uintptr_t>(entry.first));
            visit(std::string_view(data, entry.second / 2), (entry.second & 1) != 0, entry.count);
        });
    }

private:
    static std::uint64_t addressOf(std::string_view text) {
        return reinterpret_cast<std::uintptr_t>(text.data());
    }

    IdentityCounter m_counter;
#ifndef NDEBUG
    std::vector<std::pair<std::string_view, std::string>> m_firstTexts;
#endif
};
