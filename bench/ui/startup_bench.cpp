// Start-up time of the program against a minimal Qt program: from process start to the first
// paint of the main window. Both print "first-paint-ms N" at that paint and quit; this harness
// measures the wall time from spawning each process to reading that line, several runs each,
// under the offscreen platform and under Xvfb when it is installed.
//
//   bench_startup [RUNS]     the measurement (default 7 runs per case)
//   bench_startup --minimal  the minimal program: one empty QMainWindow

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
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

int runMinimal(int argc, char** argv) {
    QElapsedTimer started;
    started.start();
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(525, 600);
    FirstPaintProbe probe(&window, started);
    app.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}

struct Case {
    const char* name;
    QString program;
    QStringList args;
};

// Wall milliseconds from spawn to the probe line; nullopt when the program did not report.
std::optional<double> timeOnce(const Case& c, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
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
            return ms;
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

void measure(const char* platform, const QProcessEnvironment& env, const std::vector<Case>& cases,
             int runs) {
    std::vector<double> medians;
    for (const Case& c : cases) {
        timeOnce(c, env);  // warm the caches
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            if (const auto ms = timeOnce(c, env)) {
                times.push_back(*ms);
            }
        }
        if (times.empty()) {
            medians.push_back(-1);
            continue;
        }
        medians.push_back(median(times));
        std::printf("%-10s %-28s median %7.1f ms  (min %.1f, max %.1f, %zu runs)\n", platform,
                    c.name, medians.back(), *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()), times.size());
    }
    if (medians[0] > 0 && medians[1] > 0 && medians[2] > 0) {
        std::printf("%-10s ratio to the minimal program: %.2fx splash excluded, %.2fx included\n",
                    platform, medians[1] / medians[2], medians[0] / medians[2]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--minimal") {
        return runMinimal(argc, argv);
    }
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 7;
    const QString self = QCoreApplication::applicationFilePath();
    const std::vector<Case> cases = {
        {"zuvaduro (splash)", QStringLiteral(ZUVADURO_EXE), {}},
        {"zuvaduro /Embedding (none)", QStringLiteral(ZUVADURO_EXE), {"/Embedding"}},
        {"minimal QMainWindow", self, {"--minimal"}},
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
