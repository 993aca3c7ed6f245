#pragma once

#include <QTranslator>

class ContractDocument;
class QLocale;

// The document's name as the window's title and questions show it: a document that has no file
// yet is "Untitled" in the user's language; a file keeps its own name.
QString windowDocumentName(const ContractDocument& doc);

// The window's texts and Qt's own (standard buttons, file and print dialogs) in the language of
// a locale, installed for as long as this object lives. A language without a translation stays
// English. The command line never loads them: what it prints is the document's text.
class WindowTranslations {
public:
    explicit WindowTranslations(const QLocale& locale);
    ~WindowTranslations();
    WindowTranslations(const WindowTranslations&) = delete;
    WindowTranslations& operator=(const WindowTranslations&) = delete;

    // Whether the program's own texts were found for the locale.
    bool hasProgramTexts() const { return m_programLoaded; }

private:
    QTranslator m_program;
    QTranslator m_toolkit;
    bool m_programLoaded = false;
    bool m_toolkitLoaded = false;
};
