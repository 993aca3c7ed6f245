#include "document/MemorySettings.h"

std::string settings::recentFileKey(int oneBasedIndex) {
    return "File" + std::to_string(oneBasedIndex);
}

std::string MemorySettings::readText(const std::string& section, const std::string& key,
                                     const std::string& fallback) {
    auto it = m_values.find({section, key});
    if (it == m_values.end() || !std::holds_alternative<std::string>(it->second)) {
        return fallback;
    }
    return std::get<std::string>(it->second);
}

bool MemorySettings::writeText(const std::string& section, const std::string& key,
                               const std::string& value) {
    m_values[{section, key}] = value;
    return true;
}

std::int32_t MemorySettings::readNumber(const std::string& section, const std::string& key,
                                        std::int32_t fallback) {
    auto it = m_values.find({section, key});
    if (it == m_values.end() || !std::holds_alternative<std::int32_t>(it->second)) {
        return fallback;
    }
    return std::get<std::int32_t>(it->second);
}

bool MemorySettings::writeNumber(const std::string& section, const std::string& key,
                                 std::int32_t value) {
    m_values[{section, key}] = value;
    return true;
}

void MemorySettings::removeSection(const std::string& section) {
    std::erase_if(m_values, [&](const auto& entry) { return entry.first.first == section; });
}

bool MemorySettings::contains(const std::string& section, const std::string& key) const {
    return m_values.contains({section, key});
}
