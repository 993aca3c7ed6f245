// Start-up time of the program against minimal Qt programs: from process start to the first
// paint of the main window. Each prints "first-paint-ms N" at that paint and quits; this harness
// measures the wall time from spawning each process to reading that line, and the CPU time the
// whole process used (user and system, start-up to first paint and the quit after it), several
// runs each, under the offscreen platform and under Xvfb when it is installed.
//
//   bench_startup [RUNS]     the measurement (default 7 runs per case)
//   bench_startup --minimal  the minimal program: one empty QMainWindow
//   bench_startup --menus    a minimal program with the main window's menus and toolbar: as many
//                            menus, commands, shortcuts and buttons with icons, and painted text

#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe(QWidget* window, const QElapsedTimer& started)
        : m_window(window), m_started(started) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!m_done && event->type() == QEvent::Paint && widget && widget->window() == m_window) {
            m_done = true;
            std::printf("first-paint-ms %lld\n", static_cast<long long>(m_started.elapsed()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget* m_window;
    QElapsedTimer m_started;
    bool m_done = false;
};

// Starts an application with a 525x600 main window that `fill` furnishes, and runs it until the
// probe has seen the first paint.
int runWindow(int argc, char** argv, void (*fill)(QApplication&, QMainWindow&)) {
    QElapsedTimer started;
    started.start();
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(525, 600);
    fill(app, window);
    FirstPaintProbe probe(&window, started);
    app.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}

int runMinimal(int argc, char** argv) {
    return runWindow(argc, argv, [](QApplication&, QMainWindow&) {});
}

// The main window's menus as counts of commands (separators apart), and its toolbar's buttons.
struct MenuShape {
    const char* title;
    int commands;
};
constexpr MenuShape kMenus[] = {{"&File", 10}, {"&Edit", 4}, {"&View", 4}, {"&Help", 2}};
constexpr int kToolBarButtons = 7;

void addMenusAndToolBar(QApplication& app, QMainWindow& window) {
    int shortcut = 0;
    QList<QAction*> actions;
    for (const MenuShape& shape : kMenus) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(shape.title));
        for (int i = 0; i < shape.commands; ++i) {
            QAction* action = menu->addAction(QStringLiteral("Command %1...").arg(i + 1));
            action->setShortcut(
                QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_A + shortcut++)));
            action->setStatusTip(QStringLiteral("What the command does."));
            actions << action;
            if (i % 3 == 2) {
                menu->addSeparator();
            }
        }
    }
    QToolBar* toolBar = window.addToolBar(QStringLiteral("Toolbar"));
    toolBar->setIconSize(QSize(16, 16));
    for (int i = 0; i < kToolBarButtons; ++i) {
        actions[i]->setIcon(app.style()->standardIcon(
            static_cast<QStyle::StandardPixmap>(QStyle::SP_FileIcon + i)));
        toolBar->addAction(actions[i]);
    }
    auto* text = new QLabel(QStringLiteral("Offer 1\nEmployer: ...\nAssignment: ...\n"));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window.setCentralWidget(text);
}

int runMenus(int argc, char** argv) {
    return runWindow(argc, argv, addMenusAndToolBar);
}

struct Case {
    const char* name;
    QString program;
    QStringList args;
};

struct Times {
    double wallMs = 0;
    double cpuMs = 0;
};

// CPU milliseconds of all the children waited for so far.
double childrenCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Wall milliseconds from spawn to the probe line, and the CPU the process used by its end;
// nullopt when the program did not report.
std::optional<Times> timeOnce(const Case& c, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = childrenCpuMs();
    process.start(c.program, c.args);
    QByteArray out;
    while (timer.elapsed() < 20000) {
        if (!process.waitForReadyRead(20000)) {
            break;
        }
        out += process.readAllStandardOutput();
        if (out.contains("first-paint-ms")) {
            const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            process.waitForFinished(10000);
            return Times{ms, childrenCpuMs() - cpuBefore};
        }
    }
    process.kill();
    process.waitForFinished(2000);
    std::fprintf(stderr, "%s: no first paint reported (%s)\n", c.name,
                 process.readAllStandardError().constData());
    return std::nullopt;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// Starts Xvfb on a free display; the process is ours and is ended by its destructor.
std::unique_ptr<QProcess> startXvfb(QString& display) {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        return nullptr;
    }
    for (int n = 91; n < 140; ++n) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
        if (QFileInfo::exists(socket) ||
            QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) {
            continue;
        }
        auto server = std::make_unique<QProcess>();
        server->start(xvfb, {QStringLiteral(":%1").arg(n), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"});
        for (int wait = 0; wait < 100 && !QFileInfo::exists(socket); ++wait) {
            QThread::msleep(50);
        }
        if (QFileInfo::exists(socket)) {
            display = QStringLiteral(":%1").arg(n);
            return server;
        }
        server->kill();
        server->waitForFinished(2000);
    }
    return nullptr;
}

// Prints each case's medians; the ratios compare the program without its splash (case 1) with
// each minimal program (cases 2 and 3).
void measure(const char* platform, const QProcessEnvironment& env, const std::vector<Case>& cases,
             int runs) {
    std::vector<Times> medians;
    for (const Case& c : cases) {
        timeOnce(c, env);  // warm the caches
        std::vector<double> walls;
        std::vector<double> cpus;
        for (int i = 0; i < runs; ++i) {
            if (const auto times = timeOnce(c, env)) {
                walls.push_back(times->wallMs);
                cpus.push_back(times->cpuMs);
            }
        }
        if (walls.empty()) {
            medians.push_back({-1, -1});
            continue;
        }
        medians.push_back({median(walls), median(cpus)});
        std::printf(
            "%-10s %-28s wall median %7.1f ms (min %.1f, max %.1f), CPU median %7.1f ms "
            "(min %.1f, max %.1f), %zu runs\n",
            platform, c.name, medians.back().wallMs, *std::min_element(walls.begin(), walls.end()),
            *std::max_element(walls.begin(), walls.end()), medians.back().cpuMs,
            *std::min_element(cpus.begin(), cpus.end()),
            *std::max_element(cpus.begin(), cpus.end()), walls.size());
    }
    for (std::size_t minimal = 2; minimal < medians.size(); ++minimal) {
        if (medians[1].wallMs > 0 && medians[minimal].wallMs > 0) {
            std::printf("%-10s splash excluded, to %s: wall %.2fx, CPU %.2fx\n", platform,
                        cases[minimal].name, medians[1].wallMs / medians[minimal].wallMs,
                        medians[1].cpuMs / medians[minimal].cpuMs);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--minimal") {
        return runMinimal(argc, argv);
    }
    if (argc > 1 && QByteArray(argv[1]) == "--menus") {
        return runMenus(argc, argv);
    }
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 7;
    const QString self = QCoreApplication::applicationFilePath();
    const std::vector<Case> cases = {
        {"zuvaduro (splash)", QStringLiteral(ZUVADURO_EXE), {}},
        {"zuvaduro /Embedding (none)", QStringLiteral(ZUVADURO_EXE), {"/Embedding"}},
        {"minimal QMainWindow", self, {"--minimal"}},
        {"minimal with menus, toolbar", self, {"--menus"}},
    };

    QTemporaryDir config;
    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    base.insert("ZUVADURO_STARTUP_PROBE", "1");
    base.insert("XDG_CONFIG_HOME", config.path());

    QProcessEnvironment offscreen = base;
    offscreen.insert("QT_QPA_PLATFORM", "offscreen");
    measure("offscreen", offscreen, cases, runs);

    QString display;
    if (std::unique_ptr<QProcess> xvfb = startXvfb(display)) {
        QProcessEnvironment x11 = base;
        x11.remove("QT_QPA_PLATFORM");
        x11.remove("WAYLAND_DISPLAY");
        x11.insert("DISPLAY", display);
        measure("xvfb", x11, cases, runs);
        xvfb->terminate();
        xvfb->waitForFinished(3000);
    } else {
        std::printf("xvfb       not available; skipped\n");
    }
    return 0;
}
