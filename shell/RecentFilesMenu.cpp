#include "shell/RecentFilesMenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>

#include "shell/CommandTable.h"
#include "view/ProgramMessage.h"

RecentFilesMenu::RecentFilesMenu(QMenu& menu, const RecentFileList& recent, QObject* parent)
    : QObject(parent), m_recent(recent) {
    m_placeholder = menu.addAction(tr("Recent File"));
    m_placeholder->setObjectName(QStringLiteral("recentFile"));
    m_placeholder->setData(kFirstRecentFile);
    m_placeholder->setEnabled(false);
    for (int n = 0; n < RecentFileList::kMaxEntries; ++n) {
        QAction* entry = menu.addAction(QString());
        entry->setObjectName(QString::number(kFirstRecentFile + n));
        entry->setData(kFirstRecentFile + n);
        entry->setWhatsThis(tr("<b>Recent file</b><p>Opens this document again.</p>"));
        connect(entry, &QAction::triggered, this, [this, n] { emit entryChosen(n); });
        m_entries[static_cast<std::size_t>(n)] = entry;
    }
}

void RecentFilesMenu::update() {
    const QString currentDir = QDir::currentPath();
    m_placeholder->setVisible(m_recent.isEmpty());
    for (int n = 0; n < RecentFileList::kMaxEntries; ++n) {
        QAction* entry = m_entries[static_cast<std::size_t>(n)];
        const bool used = n < m_recent.size();
        entry->setVisible(used);
        entry->setText(used ? m_recent.menuLabel(n, currentDir) : QString());
        entry->setToolTip(used ? plainToolTip(m_recent.entries().at(n)) : QString());
    }
}
