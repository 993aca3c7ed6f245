#include "storage/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "storage/AppIdentity.h"

namespace {

QString settingsKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

// QSettings reads its file as soon as it is made, so the file is looked at first. The name is
// the one QSettings gives its user file for these names on this platform.
QtSettingsStore::QtSettingsStore()
    : m_fileName(
          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
          QStringLiteral("/%1/%2.conf")
              .arg(QString::fromLatin1(kOrganizationName), QString::fromLatin1(kApplicationName))) {
    if (!m_fileCheck.allowsReading(m_fileName)) {
        hold({});
        return;
    }
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromLatin1(kOrganizationName),
                                             QString::fromLatin1(kApplicationName));
    holdIfUnreadable();
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::fileName() const {
    return m_fileName;
}

void QtSettingsStore::setProblemReporter(ProblemReporter reporter) {
    m_reporter = std::move(reporter);
    reportOnce();
}

void QtSettingsStore::reportOnce() {
    if (m_held && m_reporter && !m_reported) {
        m_reported = true;
        m_reporter(QCoreApplication::translate(
                       "QtSettingsStore",
                       "The settings file %1 could not be read completely. It is kept "
                       "as it is, and settings changed now last only until the "
                       "program ends.")
                       .arg(fileName()));
    }
}

void QtSettingsStore::hold(QVariantMap values) {
    m_held = std::move(values);
    reportOnce();
}

QVariantMap QtSettingsStore::valuesInMemory() const {
    QVariantMap values;
    if (m_settings) {
        for (const QString& key : m_settings->allKeys()) {
            values.insert(key, m_settings->value(key));
        }
    }
    return values;
}

void QtSettingsStore::holdIfUnreadable() {
    if (m_held) {
        return;
    }
    // QSettings parses a section only when a value of it is first asked for, and only then
    // reports what it could not parse: every key is asked for before the status is believed.
    m_settings->allKeys();
    if (m_settings->status() == QSettings::FormatError) {
        hold(valuesInMemory());
    }
}

// Every read first takes in what another running copy wrote, and every write goes to disk at
// once: two copies share the values and the last writer wins. The file is looked at before
// QSettings reads it again; one that may not be read is held with the values read so far.
void QtSettingsStore::refresh() {
    if (m_held) {
        return;
    }
    if (!m_fileCheck.allowsReading(m_fileName)) {
        hold(valuesInMemory());
        return;
    }
    m_settings->sync();
    holdIfUnreadable();
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

QString QtSettingsStore::removeAll() {
    refresh();
    if (m_held) {
        return QCoreApplication::translate(
            "QtSettingsStore",
            "The settings were not removed: their file could not be read "
            "completely and is kept as it is.");
    }
    m_settings->clear();
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        return QCoreApplication::translate(
                   "QtSettingsStore", "The settings were not removed: %1 could not be changed.")
            .arg(m_fileName);
    }
    // rmdir() keeps a "Rezurudo" folder that still holds anything else.
    const QFileInfo info(m_fileName);
    QFile file(info.absoluteFilePath());
    if (file.exists() && !file.remove()) {
        return QCoreApplication::translate(
                   "QtSettingsStore",
                   "The settings were cleared, but their file %1 could not be "
                   "deleted: %2.")
            .arg(m_fileName, file.errorString());
    }
    QDir().rmdir(info.absolutePath());
    return {};
}
