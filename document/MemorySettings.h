#pragma once

#include <map>
#include <string>
#include <utility>
#include <variant>

#include "document/SettingsStore.h"

// A settings store held in memory: for tests and for runs that must not touch the user's values.
class MemorySettings : public SettingsStore {
public:
    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& fallback) override;
    bool WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override;
    std::int32_t ReadNumber(const std::string& section, const std::string& key,
                            std::int32_t fallback) override;
    bool WriteNumber(const std::string& section, const std::string& key,
                     std::int32_t value) override;
    void RemoveSection(const std::string& section) override;

    bool Contains(const std::string& section, const std::string& key) const;
    std::size_t Size() const { return m_values.size(); }

private:
    using Value = std::variant<std::string, std::int32_t>;
    std::map<std::pair<std::string, std::string>, Value> m_values;
};
