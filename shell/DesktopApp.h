#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "shell/RecentFileList.h"
#include "shell/SplashScreen.h"
#include "shell/WindowCommandLine.h"

class MainWindow;
class ContractDocument;
class DocumentSession;
class SettingsStore;
class WindowHandOver;

// The application: start-up in its fixed order, the application-wide event filter that closes
// the splash, the command line of the window modes, and the exit.
class DesktopApp : public QObject {
    Q_OBJECT
public:
    // `removeSettings` deletes every stored value (the /Unregister switch); it returns nothing
    // when they are gone, else the message that says what it kept and why.
    DesktopApp(SettingsStore& settings, std::function<QString()> removeSettings);
    ~DesktopApp() override;

    // Start-up: splash permission, recent files, document and main window, then the command
    // line's request. False when the program is to end at once; exitCode() then says how.
    bool start(const QStringList& args);
    // Writes the recent-file list (unless the settings were just removed); returns exitCode().
    int finish();
    int exitCode() const { return m_exitCode; }

    // stderr always; a message box as well when there is a screen to show it on.
    void reportError(const QString& message);

    // A start of the window first offers its file to a program already running on the socket
    // `serverName` (see WindowHandOver), and ends when that one takes it; otherwise it takes the
    // later starts' files itself. Without this call every start has its own window.
    void enableHandOver(const QString& serverName);

    // Set when ZUVADURO_STARTUP_PROBE=1: the main window's first paint prints the time since
    // `started` and ends the program.
    void enableStartupProbe(const QElapsedTimer& started);

    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    ContractDocument& document() const { return *m_doc; }
    DocumentSession& session() const { return *m_session; }
    // Why the rules file the settings name was not taken at the start; empty when it was, or
    // when the settings name none.
    const QString& rulesProblem() const { return m_rulesProblem; }
    RecentFileList& recentFiles() { return m_recent; }
    SplashGate& splash() { return m_splash; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every event of the program passes here first; nothing is ever consumed.
    void observeEvent(QObject* watched, QEvent* event);
    void createMainWindow();
    bool runCommandLine(const WindowCommandLine& line);
    bool printFromCommandLine(const WindowCommandLine& line);
    bool unregister();
    // False when this start is to end because a running program took its request.
    bool handOverOrReceive(const WindowCommandLine& line);
    // The requests of later starts, one at a time, each when no dialog is open and no file is
    // being read: the window comes to the front, and a file is opened as File > Open would.
    void takeRequest(const QString& file);
    void takeWaitingRequests();
    bool hasRealDisplay() const;
    // Tells of a refused rules file once the window is up.
    void reportRulesProblem();

    SettingsStore& m_settings;
    std::function<QString()> m_removeSettings;
    std::unique_ptr<DocumentSession> m_session;
    ContractDocument* m_doc = nullptr;
    RecentFileList m_recent;
    SplashGate m_splash;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<WindowHandOver> m_handOver;
    QStringList m_waitingRequests;
    QString m_rulesProblem;
    int m_exitCode = 0;
    bool m_writeRecentAtExit = true;
    bool m_probe = false;
    bool m_probed = false;
    QElapsedTimer m_started;
};
