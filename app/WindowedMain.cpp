#include "app/WindowedMain.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <cstdio>
#include <cstring>

#include "cli/CommandLine.h"
#include "listing/TerminalText.h"
#include "shell/DesktopApp.h"
#include "shell/WindowCommandLine.h"
#include "shell/WindowHandOver.h"
#include "shell/WindowTranslations.h"
#include "storage/AppIdentity.h"
#include "storage/QtSettingsStore.h"

namespace {

// True when a connection to the local X server socket of `display` (":N", ":N.S", "unix:N")
// can be made. Remote displays are left to the toolkit.
bool localXServerAnswers(const QString& display) {
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        return false;
    }
    const QString host = display.left(colon);
    if (!host.isEmpty() && host != QLatin1String("unix")) {
        return true;
    }
    bool ok = false;
    const int number = display.mid(colon + 1).section(QLatin1Char('.'), 0, 0).toInt(&ok);
    if (!ok) {
        return false;
    }
    const QByteArray path = QByteArray("/tmp/.X11-unix/X") + QByteArray::number(number);
    // The path socket, then the abstract one that X servers on Linux also offer.
    for (bool abstract : {false, true}) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0) {
            return false;
        }
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, path.constData(),
                    std::min<std::size_t>(static_cast<std::size_t>(path.size()),
                                          sizeof(address.sun_path) - 1 - offset));
        const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                                        static_cast<std::size_t>(path.size()));
        const bool connected =
            ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
        ::close(fd);
        if (connected) {
            return true;
        }
    }
    return false;
}

bool waylandAvailable() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty()) {
        return false;
    }
    const QString socket = QDir::isAbsolutePath(name)
                               ? name
                               : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/platforms"));
    return QFileInfo::exists(socket) &&
           !platforms.entryList({QStringLiteral("*wayland*")}, QDir::Files).isEmpty();
}

// Whether the toolkit can open a window at all; it aborts the process when it cannot, so this
// is asked before the application object exists.
bool displayAvailable(const QStringList& args) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        args.contains(QStringLiteral("-platform"))) {
        return true;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString display = qEnvironmentVariable("DISPLAY");
    return (!display.isEmpty() && localXServerAnswers(display)) || waylandAvailable();
#else
    return true;
#endif
}

bool worksWithoutWindow(WindowCommandLine::Action action) {
    using Action = WindowCommandLine::Action;
    return action == Action::FilePrint || action == Action::FilePrintTo ||
           action == Action::Unregister;
}

}  // namespace

int runWindowed(int argc, char** argv) {
    QElapsedTimer started;
    started.start();

    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    const WindowCommandLine line = parseWindowCommandLine(args);
    if (!line.unknownSwitch.isEmpty()) {
        std::fprintf(stderr, "zuvaduro: unknown switch '%s'\n%s",
                     visibleControls(line.unknownSwitch.toStdString()).c_str(),
                     usageText().c_str());
        return exitCode(ExitStatus::Usage);
    }
    if (line.action == WindowCommandLine::Action::Dde) {
        // No other program sends requests here; there is nothing to wait for.
        std::fputs("zuvaduro: /dde: no request arrived; nothing to do.\n", stderr);
        return exitCode(ExitStatus::Done);
    }
    if (!displayAvailable(args)) {
        if (!worksWithoutWindow(line.action)) {
            std::fputs(
                "zuvaduro: no display can be opened; use the headless options --roll or "
                "--listing (see --help).\n",
                stderr);
            return exitCode(ExitStatus::Usage);
        }
        // Printing and removing the settings need fonts and files, not a screen.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication application(argc, argv);
    setApplicationIdentity();
    QApplication::setApplicationVersion(QStringLiteral(ZUVADURO_VERSION));
    // The window speaks the user's language; the listing and the printed pages do not.
    const WindowTranslations translations{QLocale::system()};

    QtSettingsStore settings;
    DesktopApp desktop(settings, [&settings] { return settings.removeAll(); });
    settings.setProblemReporter(
        [&desktop](const QString& message) { desktop.reportError(message); });
    // The start-up probe times a window of its own, whatever else runs.
    if (qgetenv("ZUVADURO_STARTUP_PROBE") == "1") {
        desktop.enableStartupProbe(started);
    } else {
        desktop.enableHandOver(WindowHandOver::userServerName());
    }
    // The toolkit has taken its own options out of the arguments by now.
    if (desktop.start(QCoreApplication::arguments().mid(1))) {
        QApplication::exec();
    }
    return desktop.finish();
}
