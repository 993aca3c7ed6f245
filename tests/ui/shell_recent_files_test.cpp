#include <gtest/gtest.h>

#include "document/MemorySettings.h"
#include "shell/RecentFileList.h"

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

TEST(RecentFileList, writingAnEmptyListLeavesNoEntries) {
    MemorySettings settings;
    settings.writeText("Recent File List", "File1", "/d/a.did");
    RecentFileList().writeList(settings);
    EXPECT_FALSE(settings.contains("Recent File List", "File1"));
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
