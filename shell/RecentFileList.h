#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class SettingsStore;

// The recently used documents, newest first, at most four. Plain data and rules, so that the
// menu, the start-up and the exit all share one list and tests need no window.
class RecentFileList {
public:
    static constexpr int kMaxEntries = 4;
    // Longer menu names lose their middle folders.
    static constexpr int kMaxDisplayChars = 30;
    // A name alone longer than this loses its middle: an entry must not stretch the menu.
    static constexpr int kMaxNameChars = 60;

    const QStringList& entries() const { return m_entries; }
    int size() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Puts `path` at the top; an entry equal to it without regard to case moves up instead of
    // being repeated, and the oldest entry falls off past four.
    void add(const QString& path);
    // Removes the entry equal to `path` (without regard to case), if any.
    void remove(const QString& path);

    // "File1".."File4" of "Recent File List"; empty values are skipped.
    void readList(SettingsStore& settings);
    // Reads the section again, so that what another running copy wrote since is kept, does this
    // list's own additions and removals since it was read over it, in their order, and rewrites
    // the section (everything removed, then File1..FileN). The list then holds what was written.
    void writeList(SettingsStore& settings);

    // The menu text of entry `index` (0-based): "&1 " and the display name with '&' doubled.
    QString menuLabel(int index, const QString& currentDir) const;

    // A file in `currentDir` by its name alone; otherwise the path, with the middle folders
    // replaced by "..." when it is longer than `maxChars`; the name alone when even that is
    // too long. A name alone longer than kMaxNameChars keeps its start and its end around
    // "...". The menu shows the whole path as the entry's tip.
    static QString displayName(const QString& path, const QString& currentDir,
                               int maxChars = kMaxDisplayChars);

private:
    struct Change {
        QString path;
        bool added = true;  // false: removed
    };

    int indexOf(const QString& path) const;
    void apply(const Change& change);

    QStringList m_entries;
    std::vector<Change> m_changes;  // since the list was last read or written
};
