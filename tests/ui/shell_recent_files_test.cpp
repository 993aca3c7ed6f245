#include <gtest/gtest.h>

#include "document/MemorySettings.h"
#include "shell/RecentFileList.h"

namespace {

const QString kElsewhere = QStringLiteral("/somewhere/else");

TEST(RecentFileList, newestFirstAtMostFourOldestFallsOff) {
    RecentFileList recent;
    for (const char* path : {"/d/1.did", "/d/2.did", "/d/3.did", "/d/4.did", "/d/5.did"}) {
        recent.Add(QString::fromLatin1(path));
    }
    EXPECT_EQ(recent.Entries(), QStringList({"/d/5.did", "/d/4.did", "/d/3.did", "/d/2.did"}));
}

TEST(RecentFileList, addingAPathAgainMovesItUpWithoutRegardToCase) {
    RecentFileList recent;
    recent.Add("/d/a.did");
    recent.Add("/d/b.did");
    recent.Add("/D/A.DID");
    EXPECT_EQ(recent.Entries(), QStringList({"/D/A.DID", "/d/b.did"}));
    recent.Remove("/d/b.DID");
    EXPECT_EQ(recent.Entries(), QStringList({"/D/A.DID"}));
    recent.Remove("/not/there.did");
    EXPECT_EQ(recent.Size(), 1);
}

TEST(RecentFileList, readsFile1ToFile4AndRewritesTheWholeSection) {
    MemorySettings settings;
    settings.WriteText("Recent File List", "File1", "/d/new.did");
    settings.WriteText("Recent File List", "File2", "");
    settings.WriteText("Recent File List", "File3", "/d/old.did");
    settings.WriteText("Recent File List", "File4", "/d/older.did");
    RecentFileList recent;
    recent.ReadList(settings);
    EXPECT_EQ(recent.Entries(), QStringList({"/d/new.did", "/d/old.did", "/d/older.did"}));

    recent.Remove("/d/old.did");
    recent.WriteList(settings);
    EXPECT_EQ(settings.ReadText("Recent File List", "File1", "-"), "/d/new.did");
    EXPECT_EQ(settings.ReadText("Recent File List", "File2", "-"), "/d/older.did");
    EXPECT_FALSE(settings.Contains("Recent File List", "File3"));
    EXPECT_FALSE(settings.Contains("Recent File List", "File4"));
}

TEST(RecentFileList, writingAnEmptyListLeavesNoEntries) {
    MemorySettings settings;
    settings.WriteText("Recent File List", "File1", "/d/a.did");
    RecentFileList().WriteList(settings);
    EXPECT_FALSE(settings.Contains("Recent File List", "File1"));
}

struct DisplayCase {
    const char* path;
    const char* currentDir;
    const char* shown;
};

class RecentDisplayName : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(RecentDisplayName, shortensAsTheMenuShowsIt) {
    const DisplayCase& c = GetParam();
    const QString shown = RecentFileList::DisplayName(c.path, c.currentDir);
    EXPECT_EQ(shown, QString::fromUtf8(c.shown));
    EXPECT_LE(shown.size(), std::max<qsizetype>(30, QString(c.path).section('/', -1).size()));
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
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Shell, RecentDisplayName, ::testing::ValuesIn(kDisplayCases));

TEST(RecentFileList, menuLabelsAreNumberedAndDoubleTheirAmpersands) {
    RecentFileList recent;
    recent.Add("/d/older.did");
    recent.Add("/d/R&D offers.did");
    EXPECT_EQ(recent.MenuLabel(0, "/d"), "&1 R&&D offers.did");
    EXPECT_EQ(recent.MenuLabel(1, kElsewhere), "&2 /d/older.did");
}

}  // namespace
