#include "shell/RecentFileList.h"

#include <QDir>
#include <QFileInfo>

#include "document/SettingsStore.h"

int RecentFileList::indexOf(const QString& path) const {
    for (int i = 0; i < size(); ++i) {
        if (m_entries.at(i).compare(path, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

void RecentFileList::add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    m_changes.push_back({path, true});
    apply(m_changes.back());
}

void RecentFileList::remove(const QString& path) {
    m_changes.push_back({path, false});
    apply(m_changes.back());
}

void RecentFileList::apply(const Change& change) {
    const QString& path = change.path;
    const int existing = indexOf(path);
    if (existing >= 0) {
        m_entries.removeAt(existing);
    }
    if (!change.added) {
        return;
    }
    m_entries.prepend(path);
    while (size() > kMaxEntries) {
        m_entries.removeLast();
    }
}

void RecentFileList::readList(SettingsStore& settings) {
    m_entries.clear();
    m_changes.clear();
    for (int n = 1; n <= kMaxEntries; ++n) {
        const std::string value =
            settings.readText(settings::kRecentSection, settings::recentFileKey(n), "");
        const QString path = QString::fromStdString(value);
        if (!path.isEmpty() && indexOf(path) < 0) {
            m_entries.append(path);  // File1 is the newest
        }
    }
}

void RecentFileList::writeList(SettingsStore& settings) {
    const std::vector<Change> changes = std::move(m_changes);
    readList(settings);
    for (const Change& change : changes) {
        apply(change);
    }
    settings.removeSection(settings::kRecentSection);
    for (int i = 0; i < size(); ++i) {
        settings.writeText(settings::kRecentSection, settings::recentFileKey(i + 1),
                           m_entries.at(i).toStdString());
    }
}

QString RecentFileList::menuLabel(int index, const QString& currentDir) const {
    QString name = displayName(m_entries.at(index), currentDir);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

namespace {

// The text with its middle replaced by "..." when it is longer than `maxChars`; a character
// written as two UTF-16 units is never split.
QString elideMiddle(const QString& text, qsizetype maxChars) {
    if (text.size() <= maxChars) {
        return text;
    }
    qsizetype head = (maxChars - 3) / 2;
    qsizetype tail = text.size() - (maxChars - 3 - head);
    if (head > 0 && text.at(head - 1).isHighSurrogate()) {
        --head;
    }
    if (tail < text.size() && text.at(tail).isLowSurrogate()) {
        ++tail;
    }
    return text.left(head) + QStringLiteral("...") + text.mid(tail);
}

}  // namespace

QString RecentFileList::displayName(const QString& path, const QString& currentDir, int maxChars) {
    const QFileInfo info(path);
    const QString name = elideMiddle(info.fileName(), kMaxNameChars);
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
