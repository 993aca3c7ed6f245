#pragma once

#include <QString>
#include <QStringList>

// What the window-mode command line asks for. Switches start with "/" or "-"; an argument is a
// switch only when the rest is exactly a switch name ("p", "pt" and "dde" in lower case only,
// the others in any case), so "/home/user/a.did" is a file. The first other argument is the
// file; after /pt the next three are the printer, its driver and its port. A word that starts
// with "-" and is no switch is a mistake (`unknownSwitch`), except the toolkit's own options
// ("-style fusion", "-platform offscreen", ...), which are skipped with their values.
struct WindowCommandLine {
    enum class Action {
        FileNew,      // no file: a new, untitled document
        FileOpen,     // open `file`
        FilePrint,    // /p: print the listing of `file` on the default printer, then end
        FilePrintTo,  // /pt: the same on `printer`
        Unregister,   // /Unregister, /Unregserver: remove the settings, then end
        Dde,          // /dde: no window and no document
    };

    Action action = Action::FileNew;
    QString file;
    QString printer;
    QString driver;
    QString port;
    bool showSplash = true;  // false with /Embedding or /Automation
    QString unknownSwitch;   // the first "-word" that is neither a switch nor a toolkit option

    bool operator==(const WindowCommandLine&) const = default;
};

// `args` are the arguments after the program name.
WindowCommandLine parseWindowCommandLine(const QStringList& args);

// Drops a leading quote and the last quote, as a desktop shell may leave them around a path.
QString stripPathQuotes(QString path);
