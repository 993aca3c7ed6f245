#include "doc/io/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QString Key(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Rezurudo"),
                                             QStringLiteral("Zuvaduro"))) {}

QtSettingsStore::~QtSettingsStore() = default;

// Every read first takes in what another running copy wrote, and every write goes to disk at
// once: two copies share the values and the last writer wins.
std::string QtSettingsStore::ReadText(const std::string& section, const std::string& key,
                                      const std::string& fallback) {
    m_settings->sync();
    const QVariant value = m_settings->value(Key(section, key));
    if (!value.isValid() || !value.canConvert<QString>()) {
        return fallback;
    }
    return value.toString().toStdString();
}

bool QtSettingsStore::WriteText(const std::string& section, const std::string& key,
                                const std::string& value) {
    m_settings->setValue(Key(section, key), QString::fromStdString(value));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

std::int32_t QtSettingsStore::ReadNumber(const std::string& section, const std::string& key,
                                         std::int32_t fallback) {
    m_settings->sync();
    const QVariant value = m_settings->value(Key(section, key));
    bool ok = false;
    const int number = value.isValid() ? value.toInt(&ok) : 0;
    return ok ? number : fallback;
}

bool QtSettingsStore::WriteNumber(const std::string& section, const std::string& key,
                                  std::int32_t value) {
    m_settings->setValue(Key(section, key), static_cast<int>(value));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

void QtSettingsStore::RemoveSection(const std::string& section) {
    m_settings->remove(QString::fromStdString(section));
    m_settings->sync();
}

void QtSettingsStore::RemoveAll() {
    m_settings->clear();
    m_settings->sync();
    // Remove() and rmdir() are no-ops where the store is no file; rmdir() keeps a "Rezurudo"
    // folder that still holds anything else.
    const QFileInfo file(m_settings->fileName());
    QFile::remove(file.absoluteFilePath());
    QDir().rmdir(file.absolutePath());
}
