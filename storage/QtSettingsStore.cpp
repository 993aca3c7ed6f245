#include "storage/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "storage/AppIdentity.h"

namespace {

QString settingsKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromLatin1(kOrganizationName),
                                             QString::fromLatin1(kApplicationName))) {
    holdIfUnreadable();
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::fileName() const {
    return m_settings->fileName();
}

void QtSettingsStore::setProblemReporter(ProblemReporter reporter) {
    m_reporter = std::move(reporter);
    reportOnce();
}

void QtSettingsStore::reportOnce() {
    if (m_held && m_reporter && !m_reported) {
        m_reported = true;
        m_reporter(QStringLiteral("The settings file %1 could not be read completely. It is kept "
                                  "as it is, and settings changed now last only until the "
                                  "program ends.")
                       .arg(fileName()));
    }
}

void QtSettingsStore::holdIfUnreadable() {
    if (m_held) {
        return;
    }
    // QSettings parses a section only when a value of it is first asked for, and only then
    // reports what it could not parse: every key is asked for before the status is believed.
    const QStringList keys = m_settings->allKeys();
    if (m_settings->status() != QSettings::FormatError) {
        return;
    }
    QVariantMap values;
    for (const QString& key : keys) {
        values.insert(key, m_settings->value(key));
    }
    m_held = std::move(values);
    reportOnce();
}

// Every read first takes in what another running copy wrote, and every write goes to disk at
// once: two copies share the values and the last writer wins.
void QtSettingsStore::refresh() {
    if (!m_held) {
        m_settings->sync();
        holdIfUnreadable();
    }
}

QVariant QtSettingsStore::storedValue(const QString& key) {
    refresh();
    return m_held ? m_held->value(key) : m_settings->value(key);
}

bool QtSettingsStore::store(const QString& key, const QVariant& value) {
    // Looked at just before writing: QSettings would write back only what it could read.
    refresh();
    if (m_held) {
        m_held->insert(key, value);
        return false;
    }
    m_settings->setValue(key, value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

std::string QtSettingsStore::readText(const std::string& section, const std::string& key,
                                      const std::string& fallback) {
    const QVariant value = storedValue(settingsKey(section, key));
    if (!value.isValid() || !value.canConvert<QString>()) {
        return fallback;
    }
    return value.toString().toStdString();
}

bool QtSettingsStore::writeText(const std::string& section, const std::string& key,
                                const std::string& value) {
    return store(settingsKey(section, key), QString::fromStdString(value));
}

std::int32_t QtSettingsStore::readNumber(const std::string& section, const std::string& key,
                                         std::int32_t fallback) {
    const QVariant value = storedValue(settingsKey(section, key));
    bool ok = false;
    const int number = value.isValid() ? value.toInt(&ok) : 0;
    return ok ? number : fallback;
}

bool QtSettingsStore::writeNumber(const std::string& section, const std::string& key,
                                  std::int32_t value) {
    return store(settingsKey(section, key), static_cast<int>(value));
}

void QtSettingsStore::removeSection(const std::string& section) {
    refresh();
    const QString group = QString::fromStdString(section);
    if (m_held) {
        const QString prefix = group + QLatin1Char('/');
        for (auto it = m_held->begin(); it != m_held->end();) {
            it = it.key().startsWith(prefix) ? m_held->erase(it) : std::next(it);
        }
        return;
    }
    m_settings->remove(group);
    m_settings->sync();
}

bool QtSettingsStore::removeAll() {
    refresh();
    if (m_held) {
        return false;
    }
    m_settings->clear();
    m_settings->sync();
    // Remove() and rmdir() are no-ops where the store is no file; rmdir() keeps a "Rezurudo"
    // folder that still holds anything else.
    const QFileInfo file(m_settings->fileName());
    QFile::remove(file.absoluteFilePath());
    QDir().rmdir(file.absolutePath());
    return true;
}
