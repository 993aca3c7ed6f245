#pragma once

#include <QTranslator>

class QLocale;

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
