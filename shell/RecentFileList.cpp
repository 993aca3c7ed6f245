#include "shell/RecentFileList.h"

#include <QDir>
#include <QFileInfo>

#include "document/SettingsStore.h"

int RecentFileList::IndexOf(const QString& path) const {
    for (int i = 0; i < Size(); ++i) {
        if (m_entries.at(i).compare(path, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

void RecentFileList::Add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    const int existing = IndexOf(path);
    if (existing >= 0) {
        m_entries.removeAt(existing);
    }
    m_entries.prepend(path);
    while (Size() > kMaxEntries) {
        m_entries.removeLast();
    }
}

void RecentFileList::Remove(const QString& path) {
    const int existing = IndexOf(path);
    if (existing >= 0) {
        m_entries.removeAt(existing);
    }
}

void RecentFileList::ReadList(SettingsStore& settings) {
    m_entries.clear();
    for (int n = 1; n <= kMaxEntries; ++n) {
        const std::string value =
            settings.ReadText(settings::kRecentSection, settings::RecentFileKey(n), "");
        const QString path = QString::fromStdString(value);
        if (!path.isEmpty() && IndexOf(path) < 0) {
            m_entries.append(path);  // File1 is the newest
        }
    }
}

void RecentFileList::WriteList(SettingsStore& settings) const {
    settings.RemoveSection(settings::kRecentSection);
    for (int i = 0; i < Size(); ++i) {
        settings.WriteText(settings::kRecentSection, settings::RecentFileKey(i + 1),
                           m_entries.at(i).toStdString());
    }
}

QString RecentFileList::MenuLabel(int index, const QString& currentDir) const {
    QString name = DisplayName(m_entries.at(index), currentDir);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

QString RecentFileList::DisplayName(const QString& path, const QString& currentDir, int maxChars) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (QDir::cleanPath(info.absolutePath())
            .compare(QDir::cleanPath(currentDir), Qt::CaseInsensitive) == 0) {
        return name;
    }
    if (path.size() <= maxChars) {
        return path;
    }
    // The root ("/" or "C:/") stays in front of "..."; the tail keeps as many trailing folders
    // as fit, always starting at a separator.
    const QString root = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    if (maxChars < root.size() + 5 + name.size()) {
        return name;
    }
    qsizetype tail = root.size();
    while (root.size() + 4 + (path.size() - tail) > maxChars) {
        tail = path.indexOf(QLatin1Char('/'), tail + 1);
        if (tail < 0) {
            return name;
        }
    }
    return root + QStringLiteral("...") + path.mid(tail);
}
