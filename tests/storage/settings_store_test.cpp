#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <thread>

#include "storage/QtSettingsStore.h"

namespace {

// The store must never reach the user's real settings, also when this binary runs outside
// CTest: the configuration home points into a fresh folder before QSettings is first used.
QTemporaryDir& configHome() {
    static QTemporaryDir home;
    return home;
}
const bool kIsolated = [] {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome().path()));
    return true;
}();

QString companyFolder() {
    return configHome().filePath("Rezurudo");
}

class QtSettings : public ::testing::Test {
protected:
    // Some tests leave what no store may remove (a FIFO, a folder).
    void SetUp() override {
        ASSERT_TRUE(kIsolated && configHome().isValid());
        QDir(companyFolder()).removeRecursively();
    }
    void TearDown() override { QDir(companyFolder()).removeRecursively(); }
};

// Runs `body` in a child process for at most ten seconds: its exit status, or -1 when it had
// to be ended (a read that waits for ever).
int exitOfChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body());
    }
    int status = 0;
    for (int waited = 0; waited < 1000 && ::waitpid(child, &status, WNOHANG) != child; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (::kill(child, SIGKILL) == 0 && ::waitpid(child, &status, 0) == child) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(QtSettings, givesEachReaderItsOwnDefaultWhenNothingIsStored) {
    QtSettingsStore store;
    EXPECT_EQ(store.readText("Settings", "Pay", "100000"), "100000");
    EXPECT_EQ(store.readText("Settings", "Pay", "0"), "0");
    EXPECT_EQ(store.readNumber("Settings", "Int", 0), 0);
    EXPECT_EQ(store.readNumber("Settings", "Int", -9), -9);
}

TEST_F(QtSettings, keepsTextsAndNumbersAcrossStores) {
    {
        QtSettingsStore store;
        EXPECT_TRUE(store.writeText("Settings", "Unit Name", "Gray Death \xCE\xA9, 1st"));
        EXPECT_TRUE(store.writeText("Settings", "Year", ""));
        EXPECT_TRUE(store.writeNumber("Settings", "Int", 3));
        EXPECT_TRUE(store.writeText("Recent File List", "File1", "/home/gm/a b.did"));
    }
    QtSettingsStore store;
    EXPECT_EQ(store.readText("Settings", "Unit Name", "Unknown"), "Gray Death \xCE\xA9, 1st");
    EXPECT_EQ(store.readText("Settings", "Year", "3055"), "");
    EXPECT_EQ(store.readNumber("Settings", "Int", 0), 3);
    EXPECT_EQ(store.readText("Recent File List", "File1", ""), "/home/gm/a b.did");
    EXPECT_EQ(store.readText("Settings", "File1", "none"), "none");  // sections stay apart
    EXPECT_TRUE(QFileInfo::exists(companyFolder() + "/Zuvaduro.conf"));
}

TEST_F(QtSettings, seesWhatAnotherStoreWroteAtOnce) {
    QtSettingsStore reader;
    QtSettingsStore writer;
    EXPECT_EQ(reader.readText("Settings", "Year", "3055"), "3055");
    writer.writeText("Settings", "Year", "3025");
    EXPECT_EQ(reader.readText("Settings", "Year", "3055"), "3025");
}

TEST_F(QtSettings, readsANonNumberAsTheDefaultNumber) {
    QtSettingsStore store;
    store.writeText("Settings", "Int", "three");
    EXPECT_EQ(store.readNumber("Settings", "Int", 4), 4);
}

TEST_F(QtSettings, removesOneSectionOnly) {
    QtSettingsStore store;
    store.writeText("Recent File List", "File1", "/a.did");
    store.writeText("Recent File List", "File2", "/b.did");
    store.writeText("Settings", "Year", "3040");
    store.removeSection("Recent File List");
    EXPECT_EQ(store.readText("Recent File List", "File1", ""), "");
    EXPECT_EQ(store.readText("Recent File List", "File2", ""), "");
    EXPECT_EQ(store.readText("Settings", "Year", "3055"), "3040");
}

TEST_F(QtSettings, removeAllDeletesTheValuesTheFileAndTheEmptyFolder) {
    QtSettingsStore store;
    store.writeText("Settings", "Year", "3040");
    ASSERT_TRUE(QFileInfo::exists(companyFolder()));
    store.removeAll();
    EXPECT_FALSE(QFileInfo::exists(companyFolder()));
    EXPECT_EQ(QtSettingsStore().readText("Settings", "Year", "3055"), "3055");
}

TEST_F(QtSettings, removeAllKeepsTheFolderWhenItHoldsSomethingElse) {
    QtSettingsStore store;
    store.writeText("Settings", "Year", "3040");
    QFile other(companyFolder() + "/Other.conf");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    store.removeAll();
    EXPECT_FALSE(QFileInfo::exists(companyFolder() + "/Zuvaduro.conf"));
    EXPECT_TRUE(QFileInfo::exists(companyFolder() + "/Other.conf"));
    QFile::remove(companyFolder() + "/Other.conf");
}

// A stray quote at the top makes QSettings read the file as nothing at all; it would then have
// written back only what the program set, and every other value would have been lost.
TEST_F(QtSettings, neverWritesAFileItCouldNotReadCleanly) {
    const QString path = companyFolder() + "/Zuvaduro.conf";
    const QByteArray damaged =
        "\"\n[Settings]\nUnit%20Name=Gray Death\nPay=5000\n[Recent%20File%20List]\nFile1=/a.did\n";
    ASSERT_TRUE(QDir().mkpath(companyFolder()));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    QStringList reports;
    {
        QtSettingsStore store;
        store.setProblemReporter([&reports](const QString& message) { reports << message; });
        EXPECT_TRUE(store.isHeld());
        // Every writer of a run: a file's year, Options, "Int", the recent list, /Unregister.
        EXPECT_FALSE(store.writeText("Settings", "Year", "3025"));
        EXPECT_FALSE(store.writeText("Settings", "Unit Name", "Kell Hounds"));
        EXPECT_FALSE(store.writeNumber("Settings", "Int", 3));
        store.removeSection("Recent File List");
        EXPECT_FALSE(store.writeText("Recent File List", "File1", "/b.did"));
        EXPECT_FALSE(store.removeAll().isEmpty());
        // The run goes on with what it set.
        EXPECT_EQ(store.readText("Settings", "Year", "3055"), "3025");
        EXPECT_EQ(store.readNumber("Settings", "Int", 0), 3);
        EXPECT_EQ(store.readText("Recent File List", "File1", ""), "/b.did");
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(path)) << reports[0].toStdString();
}

// A FIFO made every start wait for ever; a folder was taken for an empty file; a value in
// Latin-1 was read as U+FFFD and written back so on the next change. Each is held: read as far
// as it can be, never written, and left exactly as it was.
TEST_F(QtSettings, holdsASettingsFileThatIsNoRegularFileOfUtf8Text) {
    const QString path = companyFolder() + "/Zuvaduro.conf";
    const QByteArray latin1 = "[Settings]\nUnit%20Name=Gray Death \xC9lite\nYear=3040\n";
    struct Case {
        const char* what;
        std::function<bool()> make;
    };
    const Case cases[] = {
        {"a FIFO", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }},
        {"a folder", [&] { return QDir().mkpath(path); }},
        {"a value in Latin-1",
         [&] {
             QFile file(path);
             return file.open(QIODevice::WriteOnly) && file.write(latin1) == latin1.size();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(companyFolder()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(companyFolder()));
        ASSERT_TRUE(c.make());
        struct stat before {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        const int held = exitOfChild([] {
            QtSettingsStore store;
            const bool written = store.writeText("Settings", "Year", "3025");
            return store.isHeld() && !written && store.readText("Settings", "Year", "") == "3025" &&
                           !store.removeAll().isEmpty()
                       ? 0
                       : 1;
        });
        EXPECT_EQ(held, 0);
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (S_ISREG(after.st_mode)) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), latin1);
        }
    }
}

}  // namespace
