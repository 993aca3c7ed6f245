#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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
    void SetUp() override {
        ASSERT_TRUE(kIsolated && configHome().isValid());
        QtSettingsStore().removeAll();
    }
    void TearDown() override { QtSettingsStore().removeAll(); }
};

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
        EXPECT_FALSE(store.removeAll());
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

}  // namespace
