#include "shell/WindowTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "document/ContractDocument.h"

QString windowDocumentName(const ContractDocument& doc) {
    const bool untitled = doc.pathName().empty() && doc.title() == ContractDocument::kUntitled;
    return untitled ? QCoreApplication::translate("MainWindow", "Untitled")
                    : QString::fromStdString(doc.title());
}

WindowTranslations::WindowTranslations(const QLocale& locale) {
    // The build embeds every res/translations/zuvaduro_LANG.ts as :/i18n/zuvaduro_LANG.qm.
    m_programLoaded = m_program.load(locale, QStringLiteral("zuvaduro"), QStringLiteral("_"),
                                     QStringLiteral(":/i18n"));
    m_toolkitLoaded = m_toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_programLoaded) {
        QCoreApplication::installTranslator(&m_program);
    }
    if (m_toolkitLoaded) {
        QCoreApplication::installTranslator(&m_toolkit);
    }
}

WindowTranslations::~WindowTranslations() {
    if (m_programLoaded) {
        QCoreApplication::removeTranslator(&m_program);
    }
    if (m_toolkitLoaded) {
        QCoreApplication::removeTranslator(&m_toolkit);
    }
}
