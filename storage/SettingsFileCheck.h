#pragma once

#include <QString>
#include <optional>

// Looks at the settings file before QSettings reads it. QSettings would wait forever on a FIFO,
// read a device without end, and read bytes that are not UTF-8 as U+FFFD, writing that back in
// their place on its next write.
class SettingsFileCheck {
public:
    // True when `path` names no file (QSettings then starts afresh), or names a regular file
    // (links followed) whose bytes are UTF-8 throughout. A file that is unchanged since it last
    // passed is not read again. A file that cannot be opened is left to QSettings.
    bool allowsReading(const QString& path);

    struct Stamp {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        long long modifiedSeconds = 0;
        long long modifiedNanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };

private:
    std::optional<Stamp> m_passed;
};
