#pragma once

#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>

#include "document/SettingsStore.h"
#include "storage/SettingsFileCheck.h"

class QSettings;

// The user's settings through QSettings, under the names of storage/AppIdentity.h: an INI file
// under $XDG_CONFIG_HOME/Rezurudo/.
//
// A settings file that cannot be read cleanly is never written: QSettings would write back only
// what it understood and so lose the rest. From the moment such a file is met, the store keeps
// what could be read and every later change in memory for the rest of the run, leaves the file
// byte for byte as it is, and tells the problem reporter once. A file that is not a regular file
// (a FIFO, a device, a folder) or holds bytes that are not UTF-8 counts as one that cannot be
// read cleanly (see SettingsFileCheck).
class QtSettingsStore : public SettingsStore {
public:
    using ProblemReporter = std::function<void(const QString& message)>;

    QtSettingsStore();
    ~QtSettingsStore() override;

    std::string readText(const std::string& section, const std::string& key,
                         const std::string& fallback) override;
    // False when the value could not be stored in the file (also while the file is held).
    bool writeText(const std::string& section, const std::string& key,
                   const std::string& value) override;
    std::int32_t readNumber(const std::string& section, const std::string& key,
                            std::int32_t fallback) override;
    bool writeNumber(const std::string& section, const std::string& key,
                     std::int32_t value) override;
    void removeSection(const std::string& section) override;

    // Deletes every value of the program, and the "Rezurudo" folder when nothing else is in it.
    // Empty when the values are gone; otherwise a message that says what was kept and why (a
    // held file is kept as it is; a file in a folder the user may not change stays too).
    QString removeAll();

    // Where the values live (the INI file on Linux).
    QString fileName() const;
    // True once the file could not be read cleanly; it is not written again in this run.
    bool isHeld() const { return m_held.has_value(); }
    // Receives the one message about a held file; at once when the file is already held.
    void setProblemReporter(ProblemReporter reporter);

private:
    // Takes in what another running copy wrote; holds the file when it no longer reads cleanly.
    void refresh();
    void holdIfUnreadable();
    void hold(QVariantMap values);
    QVariantMap valuesInMemory() const;
    QVariant storedValue(const QString& key);
    bool store(const QString& key, const QVariant& value);
    void reportOnce();

    QString m_fileName;
    SettingsFileCheck m_fileCheck;
    // Absent when the file was held before QSettings ever read it.
    std::unique_ptr<QSettings> m_settings;
    std::optional<QVariantMap> m_held;  // the values of this run once the file is held
    ProblemReporter m_reporter;
    bool m_reported = false;
};
