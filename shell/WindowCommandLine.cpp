#include "shell/WindowCommandLine.h"

#include <array>

namespace {

enum class Switch { Print, PrintTo, Dde, Unregister, Embedded };

struct SwitchName {
    const char* name;
    Qt::CaseSensitivity sensitivity;
    Switch meaning;
};

// clang-format off
constexpr std::array<SwitchName, 7> kSwitches = {{
    {"p",           Qt::CaseSensitive,   Switch::Print},
    {"pt",          Qt::CaseSensitive,   Switch::PrintTo},
    {"dde",         Qt::CaseSensitive,   Switch::Dde},
    {"Unregister",  Qt::CaseInsensitive, Switch::Unregister},
    {"Unregserver", Qt::CaseInsensitive, Switch::Unregister},
    {"Embedding",   Qt::CaseInsensitive, Switch::Embedded},
    {"Automation",  Qt::CaseInsensitive, Switch::Embedded},
}};
// clang-format on

struct ToolkitOption {
    const char* name;
    bool takesValue;
};

// The options the toolkit reads from the command line itself (windowing, style, debugging).
// clang-format off
constexpr std::array<ToolkitOption, 22> kToolkitOptions = {{
    {"platform", true},           {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},             {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},       {"session", true},            {"display", true},
    {"geometry", true},           {"title", true},              {"icon", true},
    {"name", true},               {"style", true},              {"stylesheet", true},
    {"qmljsdebugger", true},      {"reverse", false},           {"widgetcount", false},
    {"sync", false},              {"nograb", false},            {"dograb", false},
    {"testability", false},
}};
// clang-format on

// How many arguments from `arg` on belong to a toolkit option (0 when it is none): "-style x"
// is two, "-style=x" one. The toolkit also accepts them with two dashes.
int toolkitOptionLength(const QString& arg) {
    if (!arg.startsWith(QLatin1Char('-'))) {
        return 0;
    }
    QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    const bool valueAttached = equals >= 0;
    if (valueAttached) {
        name.truncate(equals);
    }
    for (const ToolkitOption& option : kToolkitOptions) {
        if (name == QLatin1String(option.name) && (option.takesValue || !valueAttached)) {
            return option.takesValue && !valueAttached ? 2 : 1;
        }
    }
    return 0;
}

const SwitchName* findSwitch(const QString& arg) {
    if (arg.size() < 2 || (arg.front() != QLatin1Char('/') && arg.front() != QLatin1Char('-'))) {
        return nullptr;
    }
    const QString name = arg.mid(1);
    for (const SwitchName& entry : kSwitches) {
        if (name.compare(QLatin1String(entry.name), entry.sensitivity) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

void applySwitch(WindowCommandLine& line, Switch meaning) {
    using Action = WindowCommandLine::Action;
    switch (meaning) {
        case Switch::Print:
            line.action = Action::FilePrint;
            break;
        case Switch::PrintTo:
            line.action = Action::FilePrintTo;
            break;
        case Switch::Dde:
            line.action = Action::Dde;
            break;
        case Switch::Unregister:
            line.action = Action::Unregister;
            break;
        case Switch::Embedded:
            line.showSplash = false;
            break;
    }
}

void applyParameter(WindowCommandLine& line, const QString& arg) {
    if (line.file.isEmpty()) {
        line.file = arg;
    } else if (line.action == WindowCommandLine::Action::FilePrintTo) {
        QString* next = line.printer.isEmpty()  ? &line.printer
                        : line.driver.isEmpty() ? &line.driver
                        : line.port.isEmpty()   ? &line.port
                                                : nullptr;
        if (next != nullptr) {
            *next = arg;
        }
    }
}

}  // namespace

WindowCommandLine parseWindowCommandLine(const QStringList& args) {
    WindowCommandLine line;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (const SwitchName* found = findSwitch(arg)) {
            applySwitch(line, found->meaning);
        } else if (const int length = toolkitOptionLength(arg); length > 0) {
            i += length - 1;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            if (line.unknownSwitch.isEmpty()) {
                line.unknownSwitch = arg;
            }
        } else {
            applyParameter(line, arg);
        }
    }
    if (line.action == WindowCommandLine::Action::FileNew && !line.file.isEmpty()) {
        line.action = WindowCommandLine::Action::FileOpen;
    }
    line.file = stripPathQuotes(line.file);
    return line;
}

QString stripPathQuotes(QString path) {
    if (path.startsWith(QLatin1Char('"'))) {
        path.remove(0, 1);
        const qsizetype last = path.lastIndexOf(QLatin1Char('"'));
        if (last >= 0) {
            path.remove(last, 1);
        }
    }
    return path;
}
