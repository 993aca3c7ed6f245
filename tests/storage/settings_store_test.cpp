#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "storage/QtSettingsStore.h"

namespace {

// The store must never reach the user's real settings, also when this binary runs outside
// CTest: the configuration home points into a fresh folder before QSettings is first used.
QTemporaryDir& ConfigHome() {
    static QTemporaryDir home;
    return home;
}
const bool kIsolated = [] {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigHome().path()));
    return true;
}();

QString CompanyFolder() {
    return ConfigHome().filePath("Rezurudo");
}

class QtSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(kIsolated && ConfigHome().isValid());
        QtSettingsStore().RemoveAll();
    }
    void TearDown() override { QtSettingsStore().RemoveAll(); }
};

TEST_F(QtSettings, givesEachReaderItsOwnDefaultWhenNothingIsStored) {
    QtSettingsStore store;
    EXPECT_EQ(store.ReadText("Settings", "Pay", "100000"), "100000");
    EXPECT_EQ(store.ReadText("Settings", "Pay", "0"), "0");
    EXPECT_EQ(store.ReadNumber("Settings", "Int", 0), 0);
    EXPECT_EQ(store.ReadNumber("Settings", "Int", -9), -9);
}

TEST_F(QtSettings, keepsTextsAndNumbersAcrossStores) {
    {
        QtSettingsStore store;
        EXPECT_TRUE(store.WriteText("Settings", "Unit Name", "Gray Death \xCE\xA9, 1st"));
        EXPECT_TRUE(store.WriteText("Settings", "Year", ""));
        EXPECT_TRUE(store.WriteNumber("Settings", "Int", 3));
        EXPECT_TRUE(store.WriteText("Recent File List", "File1", "/home/gm/a b.did"));
    }
    QtSettingsStore store;
    EXPECT_EQ(store.ReadText("Settings", "Unit Name", "Unknown"), "Gray Death \xCE\xA9, 1st");
    EXPECT_EQ(store.ReadText("Settings", "Year", "3055"), "");
    EXPECT_EQ(store.ReadNumber("Settings", "Int", 0), 3);
    EXPECT_EQ(store.ReadText("Recent File List", "File1", ""), "/home/gm/a b.did");
    EXPECT_EQ(store.ReadText("Settings", "File1", "none"), "none");  // sections stay apart
    EXPECT_TRUE(QFileInfo::exists(CompanyFolder() + "/Zuvaduro.conf"));
}

TEST_F(QtSettings, seesWhatAnotherStoreWroteAtOnce) {
    QtSettingsStore reader;
    QtSettingsStore writer;
    EXPECT_EQ(reader.ReadText("Settings", "Year", "3055"), "3055");
    writer.WriteText("Settings", "Year", "3025");
    EXPECT_EQ(reader.ReadText("Settings", "Year", "3055"), "3025");
}

TEST_F(QtSettings, readsANonNumberAsTheDefaultNumber) {
    QtSettingsStore store;
    store.WriteText("Settings", "Int", "three");
    EXPECT_EQ(store.ReadNumber("Settings", "Int", 4), 4);
}

TEST_F(QtSettings, removesOneSectionOnly) {
    QtSettingsStore store;
    store.WriteText("Recent File List", "File1", "/a.did");
    store.WriteText("Recent File List", "File2", "/b.did");
    store.WriteText("Settings", "Year", "3040");
    store.RemoveSection("Recent File List");
    EXPECT_EQ(store.ReadText("Recent File List", "File1", ""), "");
    EXPECT_EQ(store.ReadText("Recent File List", "File2", ""), "");
    EXPECT_EQ(store.ReadText("Settings", "Year", "3055"), "3040");
}

TEST_F(QtSettings, removeAllDeletesTheValuesTheFileAndTheEmptyFolder) {
    QtSettingsStore store;
    store.WriteText("Settings", "Year", "3040");
    ASSERT_TRUE(QFileInfo::exists(CompanyFolder()));
    store.RemoveAll();
    EXPECT_FALSE(QFileInfo::exists(CompanyFolder()));
    EXPECT_EQ(QtSettingsStore().ReadText("Settings", "Year", "3055"), "3055");
}

TEST_F(QtSettings, removeAllKeepsTheFolderWhenItHoldsSomethingElse) {
    QtSettingsStore store;
    store.WriteText("Settings", "Year", "3040");
    QFile other(CompanyFolder() + "/Other.conf");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    store.RemoveAll();
    EXPECT_FALSE(QFileInfo::exists(CompanyFolder() + "/Zuvaduro.conf"));
    EXPECT_TRUE(QFileInfo::exists(CompanyFolder() + "/Other.conf"));
    QFile::remove(CompanyFolder() + "/Other.conf");
}

// A stray quote at the top makes QSettings read the file as nothing at all; it would then have
// written back only what the program set, and every other value would have been lost.
TEST_F(QtSettings, neverWritesAFileItCouldNotReadCleanly) {
    const QString path = CompanyFolder() + "/Zuvaduro.conf";
    const QByteArray damaged =
        "\"\n[Settings]\nUnit%20Name=Gray Death\nPay=5000\n[Recent%20File%20List]\nFile1=/a.did\n";
    ASSERT_TRUE(QDir().mkpath(CompanyFolder()));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    QStringList reports;
    {
        QtSettingsStore store;
        store.SetProblemReporter([&reports](const QString& message) { reports << message; });
        EXPECT_TRUE(store.IsHeld());
        // Every writer of a run: a file's year, Options, "Int", the recent list, /Unregister.
        EXPECT_FALSE(store.WriteText("Settings", "Year", "3025"));
        EXPECT_FALSE(store.WriteText("Settings", "Unit Name", "Kell Hounds"));
        EXPECT_FALSE(store.WriteNumber("Settings", "Int", 3));
        store.RemoveSection("Recent File List");
        EXPECT_FALSE(store.WriteText("Recent File List", "File1", "/b.did"));
        EXPECT_FALSE(store.RemoveAll());
        // The run goes on with what it set.
        EXPECT_EQ(store.ReadText("Settings", "Year", "3055"), "3025");
        EXPECT_EQ(store.ReadNumber("Settings", "Int", 0), 3);
        EXPECT_EQ(store.ReadText("Recent File List", "File1", ""), "/b.did");
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(path)) << reports[0].toStdString();
}

}  // namespace
