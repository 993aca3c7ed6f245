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

void settleDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

TEST(DesktopApp, plainStartShowsTheSplashAndAnUntitledWindow) {
    MemorySettings settings;
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.start({}));
    ASSERT_NE(app.mainWindow(), nullptr);
    EXPECT_TRUE(app.mainWindow()->isVisible());
    EXPECT_EQ(shelltest::shownTitle(*app.mainWindow()), "Untitled - Zuvaduro");
    EXPECT_EQ(app.document().m_rating, "D");
    EXPECT_EQ(app.document().m_offerCount, 0);
    SplashScreen* splash = app.splash().current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(520, 242));
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(DesktopApp, aKeyPressAnywhereClosesTheSplashAndStillArrives) {
    MemorySettings settings;
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.start({}));
    ASSERT_NE(app.splash().current(), nullptr);
    ListingView* view = app.mainWindow()->view();
    EventCounter keys(view, QEvent::KeyPress);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    EXPECT_EQ(keys.count, 1);
    settleDeletes();
    EXPECT_EQ(app.splash().current(), nullptr);
    // Never again in this run.
    app.splash().showOver(app.mainWindow());
    EXPECT_EQ(app.splash().current(), nullptr);
}

TEST(DesktopApp, aMouseClickClosesTheSplashToo) {
    MemorySettings settings;
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.start({}));
    ASSERT_NE(app.splash().current(), nullptr);
    QTest::mouseClick(app.mainWindow()->view()->viewport(), Qt::RightButton);
    settleDeletes();
    EXPECT_EQ(app.splash().current(), nullptr);
}

TEST(DesktopApp, theSplashGoesByItselfAfter750Milliseconds) {
    MemorySettings settings;
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.start({}));
    ASSERT_NE(app.splash().current(), nullptr);
    QTest::qWait(200);
    EXPECT_NE(app.splash().current(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&app] { return app.splash().current() == nullptr; }, 3000));
}

TEST(DesktopApp, embeddingAndAutomationStartWithoutSplash) {
    for (const char* flag : {"/Embedding", "-automation"}) {
        MemorySettings settings;
        DesktopApp app(settings, {});
        ASSERT_TRUE(app.start({flag}));
        EXPECT_EQ(app.splash().current(), nullptr) << flag;
        EXPECT_TRUE(app.mainWindow()->isVisible());
    }
}

TEST(DesktopApp, startsWithTheNamedFileAndWritesTheRecentListAtExit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("start.did");
    ASSERT_TRUE(shelltest::writeFile(path, shelltest::documentBytes("A", 0, {})));
    MemorySettings settings;
    settings.writeText("Recent File List", "File1", "/old/one.did");
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.start({"/Embedding", path}));
    EXPECT_EQ(shelltest::shownTitle(*app.mainWindow()), "start.did - Zuvaduro");
    EXPECT_EQ(app.document().m_rating, "A");
    app.mainWindow()->close();
    EXPECT_EQ(app.finish(), 0);
    EXPECT_EQ(settings.readText("Recent File List", "File1", ""), path.toStdString());
    EXPECT_EQ(settings.readText("Recent File List", "File2", ""), "/old/one.did");
}

TEST(DesktopApp, aStartFileThatCannotBeOpenedEndsTheProgramAfterItsMessage) {
    QTemporaryDir dir;
    MemorySettings settings;
    DesktopApp app(settings, {});
    shelltest::ModalCloser closer;
    EXPECT_FALSE(app.start({"/Embedding", dir.filePath("missing.did")}));
    EXPECT_EQ(closer.closed(), QStringList({"Zuvaduro"}));
    EXPECT_EQ(app.mainWindow(), nullptr);
    EXPECT_NE(app.finish(), 0);
}

TEST(DesktopApp, unregisterRemovesTheSettingsAndWritesNothingBack) {
    MemorySettings settings;
    settings.writeText("Recent File List", "File1", "/old/one.did");
    int removals = 0;
    DesktopApp app(settings, [&removals] {
        ++removals;
        return QString();
    });
    EXPECT_FALSE(app.start({"/UNREGSERVER"}));
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(app.mainWindow(), nullptr);
    settings.removeSection("Recent File List");  // what the real removal does
    EXPECT_EQ(app.finish(), 0);
    EXPECT_FALSE(settings.contains("Recent File List", "File1"));
}

// A settings file that could not be read cleanly is kept; saying it was removed would be false.
TEST(DesktopApp, unregisterThatKeepsTheSettingsSaysSoAndEndsWithStatusOne) {
    MemorySettings settings;
    DesktopApp app(settings, [] { return QStringLiteral("kept"); });
    EXPECT_FALSE(app.start({"/Unregister"}));
    EXPECT_EQ(app.finish(), 1);
}

TEST(DesktopApp, printToAPrinterThatDoesNotExistFailsWithoutAWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("print.did");
    ASSERT_TRUE(shelltest::writeFile(path, shelltest::documentBytes("A", 0, {})));
    MemorySettings settings;
    DesktopApp app(settings, {});
    EXPECT_FALSE(app.start({"/pt", path, "No Such Printer 4711", "drv", "port"}));
    EXPECT_EQ(app.mainWindow(), nullptr);
    EXPECT_EQ(app.exitCode(), 1);
    // The file was opened all the same, and opened files join the recent list.
    ASSERT_EQ(app.recentFiles().size(), 1);
    EXPECT_EQ(app.recentFiles().entries().front(), QFileInfo(path).absoluteFilePath());
}

}  // namespace
