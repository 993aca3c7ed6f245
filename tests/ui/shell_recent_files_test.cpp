#include <gtest/gtest.h>

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "document/MemorySettings.h"
#include "shell/RecentFileList.h"
#include "storage/QtSettingsStore.h"
#include "tests/ui/shell_test_support.h"

namespace {

const QString kElsewhere = QStringLiteral("/somewhere/else");

TEST(RecentFileList, newestFirstAtMostFourOldestFallsOff) {
    RecentFileList recent;
    for (const char* path : {"/d/1.did", "/d/2.did", "/d/3.did", "/d/4.did", "/d/5.did"}) {
        recent.add(QString::fromLatin1(path));
    }
    EXPECT_EQ(recent.entries(), QStringList({"/d/5.did", "/d/4.did", "/d/3.did", "/d/2.did"}));
}

TEST(RecentFileList, addingAPathAgainMovesItUpWithoutRegardToCase) {
    RecentFileList recent;
    recent.add("/d/a.did");
    recent.add("/d/b.did");
    recent.add("/D/A.DID");
    EXPECT_EQ(recent.entries(), QStringList({"/D/A.DID", "/d/b.did"}));
    recent.remove("/d/b.DID");
    EXPECT_EQ(recent.entries(), QStringList({"/D/A.DID"}));
    recent.remove("/not/there.did");
    EXPECT_EQ(recent.size(), 1);
}

TEST(RecentFileList, readsFile1ToFile4AndRewritesTheWholeSection) {
    MemorySettings settings;
    settings.writeText("Recent File List", "File1", "/d/new.did");
    settings.writeText("Recent File List", "File2", "");
    settings.writeText("Recent File List", "File3", "/d/old.did");
    settings.writeText("Recent File List", "File4", "/d/older.did");
    RecentFileList recent;
    recent.readList(settings);
    EXPECT_EQ(recent.entries(), QStringList({"/d/new.did", "/d/old.did", "/d/older.did"}));

    recent.remove("/d/old.did");
    recent.writeList(settings);
    EXPECT_EQ(settings.readText("Recent File List", "File1", "-"), "/d/new.did");
    EXPECT_EQ(settings.readText("Recent File List", "File2", "-"), "/d/older.did");
    EXPECT_FALSE(settings.contains("Recent File List", "File3"));
    EXPECT_FALSE(settings.contains("Recent File List", "File4"));
}

// Two programs that each read the list at their start: each write keeps what the other wrote
// in between, and this program's own additions come first.
TEST(RecentFileList, writingKeepsWhatAnotherProgramWroteMeanwhile) {
    MemorySettings settings;
    settings.writeText("Recent File List", "File1", "/d/old.did");
    settings.writeText("Recent File List", "File2", "/d/gone.did");
    RecentFileList mine;
    RecentFileList theirs;
    mine.readList(settings);
    theirs.readList(settings);
    mine.add("/d/mine.did");
    mine.remove("/d/gone.did");
    theirs.add("/d/theirs.did");
    theirs.add("/d/more.did");
    theirs.writeList(settings);
    mine.writeList(settings);
    const QStringList expected{"/d/mine.did", "/d/more.did", "/d/theirs.did", "/d/old.did"};
    EXPECT_EQ(mine.entries(), expected);
    EXPECT_EQ(settings.readText("Recent File List", "File2", ""), "/d/more.did");
}

// The same through the settings file, with the other program a real one: a print start opens
// its file and so adds it to the list while this list is held.
TEST(RecentFileList, keepsWhatAnotherProcessWroteToTheSettingsFile) {
    QTemporaryDir home;
    const QByteArray ownConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    const QString printed = home.filePath("printed.did");
    ASSERT_TRUE(shelltest::writeFile(printed, shelltest::documentBytes("A", 0, {})));
    {
        QtSettingsStore settings;
        RecentFileList mine;
        mine.readList(settings);
        mine.add("/d/mine.did");

        QProcess other;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", home.path());
        other.setProcessEnvironment(env);
        other.start(ZUVADURO_EXE, {"/pt", printed, "No Such Printer 4711", "drv", "port"});
        ASSERT_TRUE(other.waitForFinished(30000));
        ASSERT_EQ(settings.readText("Recent File List", "File1", ""), printed.toStdString());

        mine.writeList(settings);
    }
    QSettings written(home.filePath("config/Rezurudo/Zuvaduro.conf"), QSettings::IniFormat);
    EXPECT_EQ(written.value("Recent File List/File1").toString(), "/d/mine.did");
    EXPECT_EQ(written.value("Recent File List/File2").toString(), printed);
    qputenv("XDG_CONFIG_HOME", ownConfig);
}

struct DisplayCase {
    const char* path;
    const char* currentDir;
    const char* shown;
};

class RecentDisplayName : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(RecentDisplayName, shortensAsTheMenuShowsIt) {
    const DisplayCase& c = GetParam();
    const QString shown = RecentFileList::displayName(c.path, c.currentDir);
    EXPECT_EQ(shown, QString::fromUtf8(c.shown));
    EXPECT_LE(shown.size(), RecentFileList::kMaxNameChars);
}

// clang-format off
const DisplayCase kDisplayCases[] = {
    {"/home/gm/offers.did",                           "/home/gm",   "offers.did"},
    {"/HOME/GM/offers.did",                           "/home/gm",   "offers.did"},
    {"/home/gm/offers.did",                           "/elsewhere", "/home/gm/offers.did"},
    {"/campaigns/1/2/3/4/5/6/7/8/9/ab.did",           "/elsewhere", "/.../1/2/3/4/5/6/7/8/9/ab.did"},
    {"/home/gm/campaigns/spring/third/offers.did",    "/elsewhere", "/.../spring/third/offers.did"},
    {"/home/gm/x/a-very-long-file-name-indeed.did",   "/elsewhere", "a-very-long-file-name-indeed.did"},
    {"/exactly/thirty/chars/abcd.did",                "/elsewhere", "/exactly/thirty/chars/abcd.did"},
    // A name too long for any menu keeps its start and its end.
    {"/home/gm/abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghij.did",
     "/home/gm", "abcdefghijabcdefghijabcdefgh...fghijabcdefghijabcdefghij.did"},
    {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy",
     "/elsewhere", "xxxxxxxxxxxxxxxxxxxxxxxxxxxx...yyyyyyyyyyyyyyyyyyyyyyyyyyyyy"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Shell, RecentDisplayName, ::testing::ValuesIn(kDisplayCases));

TEST(RecentFileList, menuLabelsAreNumberedAndDoubleTheirAmpersands) {
    RecentFileList recent;
    recent.add("/d/older.did");
    recent.add("/d/R&D offers.did");
    EXPECT_EQ(recent.menuLabel(0, "/d"), "&1 R&&D offers.did");
    EXPECT_EQ(recent.menuLabel(1, kElsewhere), "&2 /d/older.did");
}

}  // namespace
