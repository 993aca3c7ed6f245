#include <gtest/gtest.h>

#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "shell/DesktopApp.h"
#include "shell/MainWindow.h"
#include "tests/ui/shell_test_support.h"
#include "view/ListingView.h"

namespace {

using shelltest::EventCounter;

void SettleDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

TEST(DesktopApp, plainStartShowsTheSplashAndAnUntitledWindow) {
    MemorySettings settings;
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.mainWindow(), nullptr);
    EXPECT_TRUE(app.mainWindow()->isVisible());
    EXPECT_EQ(app.mainWindow()->windowTitle(), "Untitled - Zuvaduro");
    EXPECT_EQ(app.Document().m_rating, "D");
    EXPECT_EQ(app.Document().m_offerCount, 0);
    SplashScreen* splash = app.Splash().Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(520, 242));
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(DesktopApp, aKeyPressAnywhereClosesTheSplashAndStillArrives) {
    MemorySettings settings;
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.Splash().Current(), nullptr);
    ListingView* view = app.mainWindow()->View();
    EventCounter keys(view, QEvent::KeyPress);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    EXPECT_EQ(keys.count, 1);
    SettleDeletes();
    EXPECT_EQ(app.Splash().Current(), nullptr);
    // Never again in this run.
    app.Splash().ShowSplashScreen(app.mainWindow());
    EXPECT_EQ(app.Splash().Current(), nullptr);
}

TEST(DesktopApp, aMouseClickClosesTheSplashToo) {
    MemorySettings settings;
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.Splash().Current(), nullptr);
    QTest::mouseClick(app.mainWindow()->View()->viewport(), Qt::RightButton);
    SettleDeletes();
    EXPECT_EQ(app.Splash().Current(), nullptr);
}

TEST(DesktopApp, theSplashGoesByItselfAfter750Milliseconds) {
    MemorySettings settings;
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.Splash().Current(), nullptr);
    QTest::qWait(200);
    EXPECT_NE(app.Splash().Current(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&app] { return app.Splash().Current() == nullptr; }, 3000));
}

TEST(DesktopApp, embeddingAndAutomationStartWithoutSplash) {
    for (const char* flag : {"/Embedding", "-automation"}) {
        MemorySettings settings;
        DesktopApp app(settings, {});
        ASSERT_TRUE(app.InitInstance({flag}));
        EXPECT_EQ(app.Splash().Current(), nullptr) << flag;
        EXPECT_TRUE(app.mainWindow()->isVisible());
    }
}

TEST(DesktopApp, startsWithTheNamedFileAndWritesTheRecentListAtExit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("start.did");
    ASSERT_TRUE(shelltest::WriteFile(path, shelltest::DocumentBytes("A", 0, {})));
    MemorySettings settings;
    settings.WriteText("Recent File List", "File1", "/old/one.did");
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.InitInstance({"/Embedding", path}));
    EXPECT_EQ(app.mainWindow()->windowTitle(), "start.did - Zuvaduro");
    EXPECT_EQ(app.Document().m_rating, "A");
    app.mainWindow()->close();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(settings.ReadText("Recent File List", "File1", ""), path.toStdString());
    EXPECT_EQ(settings.ReadText("Recent File List", "File2", ""), "/old/one.did");
}

TEST(DesktopApp, aStartFileThatCannotBeOpenedEndsTheProgramAfterItsMessage) {
    QTemporaryDir dir;
    MemorySettings settings;
    DesktopApp app(settings, {});
    shelltest::ModalCloser closer;
    EXPECT_FALSE(app.InitInstance({"/Embedding", dir.filePath("missing.did")}));
    EXPECT_EQ(closer.Closed(), QStringList({"Zuvaduro"}));
    EXPECT_EQ(app.mainWindow(), nullptr);
    EXPECT_NE(app.ExitInstance(), 0);
}

TEST(DesktopApp, unregisterRemovesTheSettingsAndWritesNothingBack) {
    MemorySettings settings;
    settings.WriteText("Recent File List", "File1", "/old/one.did");
    int removals = 0;
    DesktopApp app(settings, [&removals] {
        ++removals;
        return true;
    });
    EXPECT_FALSE(app.InitInstance({"/UNREGSERVER"}));
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(app.mainWindow(), nullptr);
    settings.RemoveSection("Recent File List");  // what the real removal does
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(settings.Contains("Recent File List", "File1"));
}

// A settings file that could not be read cleanly is kept; saying it was removed would be false.
TEST(DesktopApp, unregisterThatKeepsTheSettingsSaysSoAndEndsWithStatusOne) {
    MemorySettings settings;
    DesktopApp app(settings, [] { return false; });
    EXPECT_FALSE(app.InitInstance({"/Unregister"}));
    EXPECT_EQ(app.ExitInstance(), 1);
}

TEST(DesktopApp, printToAPrinterThatDoesNotExistFailsWithoutAWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("print.did");
    ASSERT_TRUE(shelltest::WriteFile(path, shelltest::DocumentBytes("A", 0, {})));
    MemorySettings settings;
    DesktopApp app(settings, {});
    EXPECT_FALSE(app.InitInstance({"/pt", path, "No Such Printer 4711", "drv", "port"}));
    EXPECT_EQ(app.mainWindow(), nullptr);
    EXPECT_EQ(app.ExitCode(), 1);
    // The file was opened all the same, and opened files join the recent list.
    ASSERT_EQ(app.RecentFiles().Size(), 1);
    EXPECT_EQ(app.RecentFiles().Entries().front(), QFileInfo(path).absoluteFilePath());
}

}  // namespace
