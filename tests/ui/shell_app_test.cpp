#include <gtest/gtest.h>

#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "shell/CMainFrame.h"
#include "shell/CRodeApp.h"
#include "document/CRodeDoc.h"
#include "document/MemorySettings.h"
#include "tests/ui/shell_test_support.h"
#include "view/CRodeView.h"

namespace {

using shelltest::EventCounter;

void SettleDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

TEST(CRodeApp, plainStartShowsTheSplashAndAnUntitledWindow) {
    MemorySettings settings;
    CRodeApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_EQ(app.MainFrame()->windowTitle(), "Untitled - Zuvaduro");
    EXPECT_EQ(app.Document().m_rating, "D");
    EXPECT_EQ(app.Document().m_offerCount, 0);
    CSplashWnd* splash = app.Splash().Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(520, 242));
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(CRodeApp, aKeyPressAnywhereClosesTheSplashAndStillArrives) {
    MemorySettings settings;
    CRodeApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.Splash().Current(), nullptr);
    CRodeView* view = app.MainFrame()->View();
    EventCounter keys(view, QEvent::KeyPress);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    EXPECT_EQ(keys.count, 1);
    SettleDeletes();
    EXPECT_EQ(app.Splash().Current(), nullptr);
    // Never again in this run.
    app.Splash().ShowSplashScreen(app.MainFrame());
    EXPECT_EQ(app.Splash().Current(), nullptr);
}

TEST(CRodeApp, aMouseClickClosesTheSplashToo) {
    MemorySettings settings;
    CRodeApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.Splash().Current(), nullptr);
    QTest::mouseClick(app.MainFrame()->View()->viewport(), Qt::RightButton);
    SettleDeletes();
    EXPECT_EQ(app.Splash().Current(), nullptr);
}

TEST(CRodeApp, theSplashGoesByItselfAfter750Milliseconds) {
    MemorySettings settings;
    CRodeApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.Splash().Current(), nullptr);
    QTest::qWait(200);
    EXPECT_NE(app.Splash().Current(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&app] { return app.Splash().Current() == nullptr; }, 3000));
}

TEST(CRodeApp, embeddingAndAutomationStartWithoutSplash) {
    for (const char* flag : {"/Embedding", "-automation"}) {
        MemorySettings settings;
        CRodeApp app(settings, {});
        ASSERT_TRUE(app.InitInstance({flag}));
        EXPECT_EQ(app.Splash().Current(), nullptr) << flag;
        EXPECT_TRUE(app.MainFrame()->isVisible());
    }
}

TEST(CRodeApp, startsWithTheNamedFileAndWritesTheRecentListAtExit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("start.did");
    ASSERT_TRUE(shelltest::WriteFile(path, shelltest::DocumentBytes("A", 0, {})));
    MemorySettings settings;
    settings.WriteText("Recent File List", "File1", "/old/one.did");
    CRodeApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({"/Embedding", path}));
    EXPECT_EQ(app.MainFrame()->windowTitle(), "start.did - Zuvaduro");
    EXPECT_EQ(app.Document().m_rating, "A");
    app.MainFrame()->close();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(settings.ReadText("Recent File List", "File1", ""), path.toStdString());
    EXPECT_EQ(settings.ReadText("Recent File List", "File2", ""), "/old/one.did");
}

TEST(CRodeApp, aStartFileThatCannotBeOpenedEndsTheProgramAfterItsMessage) {
    QTemporaryDir dir;
    MemorySettings settings;
    CRodeApp app(settings, {});
    shelltest::ModalCloser closer;
    EXPECT_FALSE(app.InitInstance({"/Embedding", dir.filePath("missing.did")}));
    EXPECT_EQ(closer.Closed(), QStringList({"Zuvaduro"}));
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_NE(app.ExitInstance(), 0);
}

TEST(CRodeApp, unregisterRemovesTheSettingsAndWritesNothingBack) {
    MemorySettings settings;
    settings.WriteText("Recent File List", "File1", "/old/one.did");
    int removals = 0;
    CRodeApp app(settings, [&removals] {
        ++removals;
        return true;
    });
    EXPECT_FALSE(app.InitInstance({"/UNREGSERVER"}));
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(app.MainFrame(), nullptr);
    settings.RemoveSection("Recent File List");  // what the real removal does
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(settings.Contains("Recent File List", "File1"));
}

// A settings file that could not be read cleanly is kept; saying it was removed would be false.
TEST(CRodeApp, unregisterThatKeepsTheSettingsSaysSoAndEndsWithStatusOne) {
    MemorySettings settings;
    CRodeApp app(settings, [] { return false; });
    EXPECT_FALSE(app.InitInstance({"/Unregister"}));
    EXPECT_EQ(app.ExitInstance(), 1);
}

TEST(CRodeApp, printToAPrinterThatDoesNotExistFailsWithoutAWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("print.did");
    ASSERT_TRUE(shelltest::WriteFile(path, shelltest::DocumentBytes("A", 0, {})));
    MemorySettings settings;
    CRodeApp app(settings, {});
    EXPECT_FALSE(app.InitInstance({"/pt", path, "No Such Printer 4711", "drv", "port"}));
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_EQ(app.ExitCode(), 1);
    // The file was opened all the same, and opened files join the recent list.
    ASSERT_EQ(app.RecentFiles().Size(), 1);
    EXPECT_EQ(app.RecentFiles().Entries().front(), QFileInfo(path).absoluteFilePath());
}

}  // namespace
