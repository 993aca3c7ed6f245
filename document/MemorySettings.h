#pragma once

#include <map>
#include <string>
#include <utility>
#include <variant>

#include "document/SettingsStore.h"

// A settings store held in memory: for tests and for runs that must not touch the user's values.
class MemorySettings : public SettingsStore {
public:
    std::string readText(const std::string& section, const std::string& key,
                         const std::string& fallback) override;
    bool writeText(const std::string& section, const std::string& key,
                   const std::string& value) override;
    std::int32_t readNumber(const std::string& section, const std::string& key,
                            std::int32_t fallback) override;
    bool writeNumber(const std::string& section, const std::string& key,
                     std::int32_t value) override;
    void removeSection(const std::string& section) override;

    bool contains(const std::string& section, const std::string& key) const;
    std::size_t size() const { return m_values.size(); }

private:
    using Value = std::variant<std::string, std::int32_t>;
    std::map<std::pair<std::string, std::string>, Value> m_values;
};
