#pragma once

#include <memory>

#include "doc/SettingsStore.h"

class QSettings;

// The user's settings through QSettings: organisation "Rezurudo", application "Zuvaduro" (the
// registry on Windows, an INI file under $XDG_CONFIG_HOME/Rezurudo/ on Linux).
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& fallback) override;
    bool WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override;
    std::int32_t ReadNumber(const std::string& section, const std::string& key,
                            std::int32_t fallback) override;
    bool WriteNumber(const std::string& section, const std::string& key,
                     std::int32_t value) override;
    void RemoveSection(const std::string& section) override;

    // Deletes every value of the program, and the "Rezurudo" folder when nothing else is in it.
    void RemoveAll();

private:
    std::unique_ptr<QSettings> m_settings;
};
