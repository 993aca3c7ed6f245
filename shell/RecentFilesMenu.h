#pragma once

#include <QObject>
#include <array>

#include "shell/RecentFileList.h"

class QAction;
class QMenu;

// The recent files' place in a menu: "Recent File" (greyed) while the list is empty, else one
// entry per file, "&1 name" and so on, numbered kFirstRecentFile onwards as objectName and data.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // Adds the entries to `menu` where it stands now.
    RecentFilesMenu(QMenu& menu, const RecentFileList& recent, QObject* parent);

    // The entries follow the list; names are relative to the current folder, which may change
    // between showings.
    void update();

signals:
    // Entry `index` (0-based) of the list was chosen.
    void entryChosen(int index);

private:
    const RecentFileList& m_recent;
    QAction* m_placeholder = nullptr;
    std::array<QAction*, RecentFileList::kMaxEntries> m_entries{};
};
