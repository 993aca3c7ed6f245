#include <gtest/gtest.h>

#include "shell/WindowCommandLine.h"
#include "tests/ui/shell_test_support.h"

namespace {

using Action = WindowCommandLine::Action;

struct CommandLineCase {
    const char* name;
    QStringList args;
    Action action;
    QString file;
    QString printer;
    QString driver;
    QString port;
    bool showSplash;
};

class WindowCommandLineTable : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(WindowCommandLineTable, parsesToTheExpectedRequest) {
    const CommandLineCase& c = GetParam();
    const WindowCommandLine line = parseWindowCommandLine(c.args);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.file, c.file);
    EXPECT_EQ(line.printer, c.printer);
    EXPECT_EQ(line.driver, c.driver);
    EXPECT_EQ(line.port, c.port);
    EXPECT_EQ(line.showSplash, c.showSplash);
}

// clang-format off
const CommandLineCase kCases[] = {
    {"nothing",                 {},                             Action::FileNew,     "", "", "", "", true},
    {"aFile",                   {"a.did"},                      Action::FileOpen,    "a.did", "", "", "", true},
    {"absolutePathIsAFile",     {"/home/user/a.did"},           Action::FileOpen,    "/home/user/a.did", "", "", "", true},
    {"slashPIsPrint",           {"/p", "a.did"},                Action::FilePrint,   "a.did", "", "", "", true},
    {"dashPIsPrint",            {"-p", "a.did"},                Action::FilePrint,   "a.did", "", "", "", true},
    {"switchAfterTheFile",      {"a.did", "/p"},                Action::FilePrint,   "a.did", "", "", "", true},
    {"upperPIsAFile",           {"/P", "a.did"},                Action::FileOpen,    "/P", "", "", "", true},
    {"printTo",                 {"/pt", "a.did", "Laser", "drv", "lpt1"},
                                                                Action::FilePrintTo, "a.did", "Laser", "drv", "lpt1", true},
    {"printToExtraIgnored",     {"-pt", "a.did", "L", "d", "p", "more"},
                                                                Action::FilePrintTo, "a.did", "L", "d", "p", true},
    {"upperPtIsAFile",          {"/PT", "a.did"},               Action::FileOpen,    "/PT", "", "", "", true},
    {"unregisterAnyCase",       {"/uNrEgIsTeR"},                Action::Unregister,  "", "", "", "", true},
    {"unregserverDash",         {"-Unregserver"},               Action::Unregister,  "", "", "", "", true},
    {"embeddingNoSplash",       {"/Embedding"},                 Action::FileNew,     "", "", "", "", false},
    {"automationAnyCaseFile",   {"-AUTOMATION", "b.did"},       Action::FileOpen,    "b.did", "", "", "", false},
    {"ddeLowerCase",            {"/dde"},                       Action::Dde,         "", "", "", "", true},
    {"ddeUpperCaseIsAFile",     {"/DDE"},                       Action::FileOpen,    "/DDE", "", "", "", true},
    {"prefixOfSwitchIsAFile",   {"/Unreg"},                     Action::FileOpen,    "/Unreg", "", "", "", true},
    {"secondPlainArgIgnored",   {"a.did", "b.did"},             Action::FileOpen,    "a.did", "", "", "", true},
    {"quotesDropped",           {"\"/tmp/my offers.did\""},     Action::FileOpen,    "/tmp/my offers.did", "", "", "", true},
    {"loneSlashIsAFile",        {"/"},                          Action::FileOpen,    "/", "", "", "", true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Shell, WindowCommandLineTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A "-word" that is no switch is a mistake to report; the toolkit's own options pass with their
// values, and a "/word" stays a path (paths on Linux start with "/").
TEST(WindowCommandLineSwitches, unknownDashWordsAreReportedAndToolkitOptionsSkipped) {
    const struct {
        QStringList args;
        QString unknown;
        QString file;
    } rows[] = {
        {{"-foo"}, "-foo", ""},
        {{"a.did", "-x", "-y"}, "-x", "a.did"},
        {{"a.did", "--roll"}, "--roll", "a.did"},
        {{"/foo"}, "", "/foo"},
        {{"-style", "fusion", "a.did"}, "", "a.did"},
        {{"-style=fusion", "a.did"}, "", "a.did"},
        {{"--platform", "offscreen", "-reverse", "a.did"}, "", "a.did"},
        {{"/Embedding", "-p", "a.did"}, "", "a.did"},
    };
    for (const auto& row : rows) {
        const WindowCommandLine line = parseWindowCommandLine(row.args);
        EXPECT_EQ(line.unknownSwitch, row.unknown) << row.args.join(' ').toStdString();
        EXPECT_EQ(line.file, row.file) << row.args.join(' ').toStdString();
    }
}

TEST(stripPathQuotes, dropsTheLeadingAndTheLastQuoteOnly) {
    EXPECT_EQ(stripPathQuotes("\"a\"b\".did\""), "a\"b\".did");
    EXPECT_EQ(stripPathQuotes("plain.did"), "plain.did");
    EXPECT_EQ(stripPathQuotes("x\"y\""), "x\"y\"");  // no leading quote: left alone
}

}  // namespace
