#include "shell/DesktopApp.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <cstdio>

#include "document/ContractDocument.h"
#include "generate/DocumentGeneration.h"
#include "session/DocumentSession.h"
#include "shell/MainWindow.h"
#include "shell/WindowHandOver.h"
#include "storage/DocumentFile.h"
#include "view/ListingAccessibility.h"
#include "view/ListingPrinter.h"
#include "view/ProgramMessage.h"
#include "view/UiPrompts.h"

DesktopApp::DesktopApp(SettingsStore& settings, std::function<QString()> removeSettings)
    : m_settings(settings), m_removeSettings(std::move(removeSettings)) {
    qApp->installEventFilter(this);
    // Before the splash: a reader names every window from the first.
    installWindowAccessibility();
}

DesktopApp::~DesktopApp() {
    qApp->removeEventFilter(this);
    m_mainWindow.reset();
}

bool DesktopApp::start(const QStringList& args) {
    // 1. Only /Embedding and /Automation keep the splash away.
    const WindowCommandLine early = parseWindowCommandLine(args);
    m_splash.setEnabled(early.showSplash);
    if (!handOverOrReceive(early)) {
        return false;
    }
    // 2.-3. Dialog looks and the settings' company key are the toolkit's and the store's.
    // 4. The recent files.
    m_recent.readList(m_settings);
    // 5. The one document, its history and its generator, seeded from the clock; its window
    // comes with the first request that needs one.
    m_session = std::make_unique<DocumentSession>(m_settings, generatorSeedFromClock());
    m_doc = &m_session->document();
    // The chosen rules; a file that no longer loads leaves the built-in tables in use and the
    // setting as it is, so that mending the file brings it back.
    m_rulesProblem = m_session->useChosenRules();
    // 6.-7. Desktop registration is the installed .desktop and MIME files; nothing at run time.
    // 8. The command line's request.
    const bool running = runCommandLine(parseWindowCommandLine(args));
    if (running) {
        reportRulesProblem();
    }
    return running;
}

void DesktopApp::reportRulesProblem() {
    if (m_rulesProblem.isEmpty() || !m_mainWindow) {
        return;
    }
    const QString message =
        m_rulesProblem + QLatin1Char('\n') + tr("The offers are rolled with the built-in tables.");
    std::fprintf(stderr, "zuvaduro: %s\n", qPrintable(message));
    if (hasRealDisplay()) {
        // After the window has shown, so that the message stands over it.
        QTimer::singleShot(0, m_mainWindow.get(), [this, message] {
            showProgramMessage(m_mainWindow.get(), QMessageBox::Warning, message);
        });
    }
}

void DesktopApp::enableHandOver(const QString& serverName) {
    m_handOver = std::make_unique<WindowHandOver>(serverName);
    connect(m_handOver.get(), &WindowHandOver::requested, this, &DesktopApp::takeRequest);
}

bool DesktopApp::handOverOrReceive(const WindowCommandLine& line) {
    using Action = WindowCommandLine::Action;
    // Printing, removing the settings and /dde do their work alone and end.
    if (!m_handOver || (line.action != Action::FileNew && line.action != Action::FileOpen)) {
        return true;
    }
    // The running program has another current folder: it gets the whole path.
    const QString file = line.action == Action::FileOpen
                             ? QFileInfo(stripPathQuotes(line.file)).absoluteFilePath()
                             : QString();
    switch (m_handOver->claim(file)) {
        case WindowHandOver::Role::Receiving:
        case WindowHandOver::Role::Alone:
            return true;
        case WindowHandOver::Role::HandedOver:
            break;
        case WindowHandOver::Role::Unanswered:
            m_exitCode = 1;
            reportError(
                file.isEmpty()
                    ? tr("The running Zuvaduro did not answer.")
                    : tr("The running Zuvaduro did not answer, so %1 was not opened.").arg(file));
            break;
    }
    // This start opened nothing and has nothing of its own to remember.
    m_writeRecentAtExit = false;
    return false;
}

void DesktopApp::takeRequest(const QString& file) {
    m_waitingRequests.append(file);
    // Taken from the event loop, not from inside the socket's own signal.
    QTimer::singleShot(0, this, &DesktopApp::takeWaitingRequests);
}

void DesktopApp::takeWaitingRequests() {
    if (m_waitingRequests.isEmpty() || !m_mainWindow) {
        return;
    }
    // A question or a read under way finishes first; the request waits its turn.
    if (QApplication::activeModalWidget() != nullptr || m_session->isReading()) {
        QTimer::singleShot(200, this, &DesktopApp::takeWaitingRequests);
        return;
    }
    const QString file = m_waitingRequests.takeFirst();
    MainWindow& window = *m_mainWindow;
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    if (!file.isEmpty()) {
        window.tryOpenDocument(file);
    }
    if (!m_waitingRequests.isEmpty()) {
        QTimer::singleShot(0, this, &DesktopApp::takeWaitingRequests);
    }
}

void DesktopApp::createMainWindow() {
    m_mainWindow = std::make_unique<MainWindow>(*m_session, m_recent);
    connect(m_mainWindow.get(), &MainWindow::windowClosed, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    // Placed before the splash shows: the splash it owns may give the main window its native
    // window, and only a window placed before it has one goes where its frame's corner is asked to
    // go, title bar included, whatever the window manager's frame turns out to be.
    m_mainWindow->placeOnScreen();
    m_splash.showOver(m_mainWindow.get());
}

bool DesktopApp::runCommandLine(const WindowCommandLine& line) {
    using Action = WindowCommandLine::Action;
    switch (line.action) {
        case Action::FileNew:
            createMainWindow();
            m_doc->resetToUntitled();
            m_mainWindow->updateWindowTitle();
            m_mainWindow->show();
            return true;
        case Action::FileOpen:
            createMainWindow();
            m_doc->resetToUntitled();
            // A cancelled read leaves the new document, and the window shows it.
            if (m_mainWindow->tryOpenDocument(line.file) == MainWindow::OpenOutcome::Failed) {
                // The message has been shown; a start that names a file ends with it.
                m_mainWindow.reset();
                m_exitCode = 1;
                return false;
            }
            m_mainWindow->updateWindowTitle();
            m_mainWindow->show();
            return true;
        case Action::FilePrint:
        case Action::FilePrintTo:
            m_exitCode = printFromCommandLine(line) ? 0 : 1;
            return false;
        case Action::Unregister:
            unregister();
            return false;
        case Action::Dde:
            std::fputs("zuvaduro: /dde: no request arrived; nothing to do.\n", stderr);
            m_writeRecentAtExit = false;
            return false;
    }
    return false;
}

bool DesktopApp::printFromCommandLine(const WindowCommandLine& line) {
    // A launcher may start a print without a file; there is then no path to complain about.
    if (line.file.isEmpty()) {
        reportError(
            tr("No file was named, so nothing was printed. Print a file with: zuvaduro "
               "/p FILE"));
        return false;
    }
    m_doc->resetToUntitled();
    const OpenResult opened = openDocumentFile(*m_doc, line.file);
    if (opened.status == OpenStatus::Failed) {
        reportError(opened.message);
        return false;
    }
    // A printed file was opened like any other, so it joins the recent files.
    m_recent.add(QString::fromStdString(m_doc->pathName()));
    const bool toDefault = line.action == WindowCommandLine::Action::FilePrint;
    const QPrinterInfo info =
        toDefault ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(line.printer);
    if (info.isNull()) {
        reportError(toDefault
                        ? tr("No default printer is set up, so %1 was not printed.").arg(line.file)
                        : tr("There is no printer named \"%1\", so %2 was not printed.")
                              .arg(line.printer, line.file));
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(m_doc->title()));
    const PrintOutcome outcome = printListingOn(printer, *m_doc);
    if (const QString problem = printProblem(outcome); !problem.isEmpty()) {
        reportError(problem);
    }
    return static_cast<bool>(outcome);
}

bool DesktopApp::unregister() {
    const QString problem = m_removeSettings ? m_removeSettings() : QString();
    // Nothing may be written back at exit, or the settings would reappear.
    m_writeRecentAtExit = false;
    if (!problem.isEmpty()) {
        m_exitCode = 1;
        reportError(problem);
        return false;
    }
    const QString message =
        tr("System registry entries have been removed and the INI file (if any) was deleted.");
    if (hasRealDisplay()) {
        showProgramMessage(nullptr, QMessageBox::Information, message);
    } else {
        std::fprintf(stderr, "zuvaduro: %s\n", qPrintable(message));
    }
    return true;
}

void DesktopApp::reportError(const QString& message) {
    std::fprintf(stderr, "zuvaduro: %s\n", qPrintable(message));
    if (hasRealDisplay()) {
        showProgramMessage(nullptr, QMessageBox::Warning, message);
    }
}

bool DesktopApp::hasRealDisplay() const {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

int DesktopApp::finish() {
    if (m_writeRecentAtExit) {
        m_recent.writeList(m_settings);
    }
    return m_exitCode;
}

void DesktopApp::enableStartupProbe(const QElapsedTimer& started) {
    m_probe = true;
    m_started = started;
}

bool DesktopApp::eventFilter(QObject* watched, QEvent* event) {
    observeEvent(watched, event);
    return false;
}

void DesktopApp::observeEvent(QObject* watched, QEvent* event) {
    m_splash.closeOnInput(event);
    if (event->type() == QEvent::Hide && m_mainWindow) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget != m_mainWindow.get() && widget->isWindow() &&
            widget->isModal()) {
            m_mainWindow->reactivateAfterDialog();
        }
    }
    if (m_probe && !m_probed && event->type() == QEvent::Paint && m_mainWindow) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == m_mainWindow.get()) {
            m_probed = true;
            std::printf("first-paint-ms %lld\n", static_cast<long long>(m_started.elapsed()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }
}
