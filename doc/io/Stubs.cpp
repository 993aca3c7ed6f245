// Placeholder until the file layer lands.
#include <QSettings>

#include "doc/io/DocumentFile.h"
#include "doc/io/FileError.h"
#include "doc/io/QtSettingsStore.h"

OpenResult OpenDocumentFile(CRodeDoc&, const QString&) {
    return {};
}
SaveResult SaveDocumentFile(CRodeDoc&, const QString&) {
    return {};
}
bool SaveNeedsName(const CRodeDoc&) {
    return true;
}
QString ProposedSaveName(const CRodeDoc&) {
    return "Untitled.DID";
}
QString WithDefaultExtension(const QString& path) {
    return path;
}
FileErrorCause CauseFromErrno(int) {
    return FileErrorCause::Generic;
}
QString FileErrorMessage(FileErrorCause, const QString& path) {
    return path;
}
QtSettingsStore::QtSettingsStore() : m_settings(new QSettings("Rezurudo", "Zuvaduro")) {}
QtSettingsStore::~QtSettingsStore() = default;
std::string QtSettingsStore::ReadText(const std::string&, const std::string&,
                                      const std::string& fallback) {
    return fallback;
}
bool QtSettingsStore::WriteText(const std::string&, const std::string&, const std::string&) {
    return false;
}
std::int32_t QtSettingsStore::ReadNumber(const std::string&, const std::string&,
                                         std::int32_t fallback) {
    return fallback;
}
bool QtSettingsStore::WriteNumber(const std::string&, const std::string&, std::int32_t) {
    return false;
}
void QtSettingsStore::RemoveSection(const std::string&) {}
void QtSettingsStore::RemoveAll() {}
