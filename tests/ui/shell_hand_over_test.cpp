#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "shell/DesktopApp.h"
#include "shell/MainWindow.h"
#include "shell/WindowHandOver.h"
#include "tests/ui/shell_test_support.h"

namespace {

// A second start of the window gives its file to the first one and ends; the first opens it
// and comes to the front. A start with a printing switch never hands over.
TEST(WindowHandOver, aSecondStartHandsItsFileToTheRunningWindowAndEnds) {
    QTemporaryDir dir;
    const QString socket = dir.filePath("hand-over");
    const QString file = dir.filePath("second.did");
    ASSERT_TRUE(shelltest::writeFile(file, shelltest::documentBytes("B", 0, {})));

    MemorySettings firstSettings;
    DesktopApp first(firstSettings, {});
    first.enableHandOver(socket);
    ASSERT_TRUE(first.start({"/Embedding"}));

    MemorySettings secondSettings;
    DesktopApp second(secondSettings, {});
    second.enableHandOver(socket);
    EXPECT_FALSE(second.start({"/Embedding", file}));
    EXPECT_EQ(second.finish(), 0);

    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return shelltest::shownTitle(*first.mainWindow()) == "second.did - Zuvaduro"; }));
    EXPECT_EQ(first.document().m_rating, "B");

    DesktopApp printing(secondSettings, {});
    printing.enableHandOver(socket);
    EXPECT_FALSE(printing.start({"/pt", file, "No Such Printer 4711", "drv", "port"}));
    EXPECT_EQ(printing.exitCode(), 1);  // it tried to print, alone
}

// A program that crashed leaves its socket file behind with nobody listening: the next start
// takes it over and then receives the starts after it.
TEST(WindowHandOver, takesOverTheSocketOfACrashedProgram) {
    QTemporaryDir dir;
    const QString name = dir.filePath("stale");
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(name);
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(fd, 1), 0);
        ::close(fd);  // as a crash closes it: the file stays
    }

    WindowHandOver running(name);
    ASSERT_EQ(running.claim({}), WindowHandOver::Role::Receiving);
    QSignalSpy requests(&running, &WindowHandOver::requested);
    WindowHandOver later(name);
    EXPECT_EQ(later.claim("/campaign/a.did"), WindowHandOver::Role::HandedOver);
    EXPECT_EQ(later.claim({}), WindowHandOver::Role::HandedOver);
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests.at(0).at(0).toString(), "/campaign/a.did");
    EXPECT_EQ(requests.at(1).at(0).toString(), "");
}

}  // namespace
