#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <thread>
#include <vector>

#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"
#include "storage/AtomicReplace.h"
#include "storage/DocumentFile.h"
#include "storage/ExportFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// A new document with rating "B" and one offer, as the program would write it.
const Bytes kOneOffer = [] {
    MemorySettings settings;
    ContractDocument doc(settings);
    doc.resetToUntitled();
    doc.m_rating = "B";
    doc.m_offerCount = 1;
    doc.m_offers[0].employer = "Draconis Combine";
    return writeDocumentBytes(doc);
}();

// Holds a flock on a file through its own descriptor, as another program would.
class HeldLock {
public:
    HeldLock(const QString& path, int operation)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY)) {
        EXPECT_GE(m_fd, 0);
        EXPECT_EQ(::flock(m_fd, operation | LOCK_NB), 0);
    }
    ~HeldLock() { ::close(m_fd); }

private:
    int m_fd;
};

class DocumentFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        doc.resetToUntitled();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const Bytes& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }

    Bytes read(const QString& name) const {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray data = file.readAll();
        return Bytes(data.begin(), data.end());
    }

    // Anything a save left behind besides the files the test made.
    QStringList leftovers(const QStringList& expected) const {
        QStringList entries =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString& name : expected) {
            entries.removeAll(name);
        }
        return entries;
    }

    std::string storedYear() { return settings.readText("Settings", "Year", "<unset>"); }

    struct stat stat(const QString& name) const {
        struct stat info {};
        EXPECT_EQ(::stat(QFile::encodeName(path(name)).constData(), &info), 0);
        return info;
    }

    QTemporaryDir dir;
    MemorySettings settings;
    ContractDocument doc{settings};
};

// ---- opening ----

TEST_F(DocumentFile, opensAFileAndTakesItsAbsolutePathAndName) {
    write("offers.did", kOneOffer);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const OpenResult result = openDocumentFile(doc, "./offers.did");
    QDir::setCurrent(previous);

    EXPECT_EQ(result.status, OpenStatus::Opened);
    EXPECT_EQ(doc.m_rating, "B");
    EXPECT_EQ(doc.m_offers[0].employer, "Draconis Combine");
    EXPECT_EQ(doc.pathName(), path("offers.did").toStdString());
    EXPECT_EQ(doc.title(), "offers.did");
    EXPECT_EQ(storedYear(), "3055");
}

TEST_F(DocumentFile, doesNotRereadTheFileThatIsAlreadyOpen) {
    write("offers.did", kOneOffer);
    ASSERT_EQ(openDocumentFile(doc, path("offers.did")).status, OpenStatus::Opened);
    settings.writeText("Settings", "Year", "3060");
    write("offers.did", {0x04, '3', '0', '2', '5', 0x00, 0x00, 0x01, 'A'});

    EXPECT_EQ(openDocumentFile(doc, path("offers.did")).status, OpenStatus::AlreadyOpen);
    EXPECT_EQ(doc.m_rating, "B");
    EXPECT_EQ(storedYear(), "3060");
}

TEST_F(DocumentFile, takesAnEmptyFileAsItIs) {
    doc.m_rating = "A";
    doc.m_offerCount = 2;
    doc.m_offers[1].employer = "kept";
    write("empty.did", {});

    const OpenResult result = openDocumentFile(doc, path("empty.did"));
    EXPECT_EQ(result.status, OpenStatus::Opened);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(doc.m_rating, "A");
    EXPECT_EQ(doc.m_offerCount, 2);
    EXPECT_EQ(doc.m_offers[1].employer, "kept");
    EXPECT_EQ(doc.title(), "empty.did");
    EXPECT_EQ(doc.pathName(), path("empty.did").toStdString());
}

// Failures before any byte is read leave the document and the year alone.
TEST_F(DocumentFile, reportsFilesThatCannotBeOpened) {
    write("locked.did", kOneOffer);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.did"));
    const QString tooLong = path(QString(300, 'n'));
    const struct {
        QString path;
        QString message;
    } rows[] = {
        {path("missing.did"), path("missing.did") + " was not found."},
        {path("no-folder/x.did"), path("no-folder/x.did") + " contains an invalid path."},
        {tooLong, tooLong + " contains an invalid path."},
        {path("folder.did"), "Access to " + path("folder.did") + " was denied."},
        {path("locked.did"),
         "A sharing violation occurred while accessing " + path("locked.did") + "."},
    };
    HeldLock writer(path("locked.did"), LOCK_EX);
    for (const auto& row : rows) {
        doc.setTitle("before.did");
        doc.m_offerCount = 1;
        const OpenResult result = openDocumentFile(doc, row.path);
        EXPECT_EQ(result.status, OpenStatus::Failed) << row.path.toStdString();
        EXPECT_EQ(result.message, row.message);
        EXPECT_FALSE(result.documentReset);
        EXPECT_EQ(doc.title(), "before.did");
        EXPECT_EQ(doc.m_offerCount, 1);
    }
    EXPECT_EQ(storedYear(), "<unset>");
}

TEST_F(DocumentFile, resetsTheDocumentWhenTheFileIsCut) {
    write("cut.did", {0x04, '3', '0', '2', '5', 0x01});
    doc.setPathName("/elsewhere/old.did");
    doc.setTitle("old.did");
    doc.m_offerCount = 2;

    const OpenResult result = openDocumentFile(doc, path("cut.did"));
    EXPECT_EQ(result.status, OpenStatus::Failed);
    EXPECT_EQ(result.message, "Unexpected file format.");
    EXPECT_TRUE(result.documentReset);
    EXPECT_EQ(storedYear(), "3025");
    EXPECT_EQ(doc.title(), "Untitled");
    EXPECT_EQ(doc.pathName(), "");
    EXPECT_EQ(doc.m_offerCount, 0);
}

// /dev/zero never ends and a pipe has no size: both are read only up to a bound, and a file that
// passes it is no document. Before the bound, each grew without limit.
TEST_F(DocumentFile, readsDevicesAndPipesOnlyUpToABound) {
    const QString pipe = path("endless.did");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Read-write, so that the pipe always has a writer; a thread keeps it full.
    const int writer = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    std::atomic<bool> stop{false};
    std::thread feed([&] {
        const std::vector<char> zeros(64 * 1024);
        while (!stop) {
            if (::write(writer, zeros.data(), zeros.size()) < 0) {
                ::usleep(100);
            }
        }
    });
    for (const QString& path : {QStringLiteral("/dev/zero"), pipe}) {
        doc.setTitle("before.did");
        doc.m_offerCount = 1;
        const OpenResult result = openDocumentFile(doc, path);
        EXPECT_EQ(result.status, OpenStatus::Failed) << path.toStdString();
        EXPECT_EQ(result.message, "Unexpected file format.");
        EXPECT_TRUE(result.documentReset);
        EXPECT_EQ(doc.title(), "Untitled");
        EXPECT_EQ(doc.m_offerCount, 0);
    }
    stop = true;
    feed.join();
    ::close(writer);
    EXPECT_EQ(storedYear(), "<unset>");
}

// ---- saving ----

TEST_F(DocumentFile, savesAndTakesThePathAndName) {
    doc.m_rating = "B";
    doc.m_offerCount = 1;
    doc.m_offers[0].employer = "Draconis Combine";

    const SaveResult result = saveDocumentFile(doc, path("saved.did"));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(read("saved.did"), kOneOffer);
    EXPECT_EQ(doc.pathName(), path("saved.did").toStdString());
    EXPECT_EQ(doc.title(), "saved.did");
    EXPECT_TRUE(leftovers({"saved.did"}).isEmpty());
}

TEST_F(DocumentFile, replacesAnOldFileKeepingItsPermissions) {
    write("old.did", Bytes(500, 'x'));
    QFile::setPermissions(path("old.did"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(saveDocumentFile(doc, path("old.did")).ok);
    EXPECT_EQ(read("old.did"), writeDocumentBytes(doc));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path("old.did")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_TRUE(leftovers({"old.did"}).isEmpty());
}

// A link is followed to the file it names, through links to links and also to a file still to be
// made; a link to no file used to be replaced by the saved file itself.
TEST_F(DocumentFile, savesThroughASymbolicLinkIntoTheFileItNames) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    write("real.did", Bytes(3, 'x'));
    const struct {
        const char* link;
        QString leadsTo;
        const char* written;  // nullptr: the save fails and nothing is written
    } rows[] = {
        {"link.did", "real.did", "real.did"},
        {"chain.did", "link.did", "real.did"},
        {"new.did", "made.did", "made.did"},
        {"deep.did", "sub/../sub/deep-made.did", "sub/deep-made.did"},
        {"absolute.did", path("sub/absolute-made.did"), "sub/absolute-made.did"},
        {"lost.did", "missing/x.did", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.link);
        ASSERT_TRUE(QFile::link(row.leadsTo, path(row.link)));
        doc.setPathName("/before/path.did");
        const SaveResult result = saveDocumentFile(doc, path(row.link));
        EXPECT_TRUE(QFileInfo(path(row.link)).isSymLink());
        if (row.written == nullptr) {
            EXPECT_EQ(result.message, path(row.link) + " was not found.");
            EXPECT_EQ(doc.pathName(), "/before/path.did");
            continue;
        }
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        EXPECT_EQ(read(row.written), writeDocumentBytes(doc));
        EXPECT_EQ(doc.pathName(), path(row.link).toStdString());
    }
}

// A failed save keeps the old file, leaves no temporary file and changes nothing in the document.
TEST_F(DocumentFile, keepsEverythingWhenASaveFails) {
    const Bytes old(40, 'o');
    write("readonly.did", old);
    QFile::setPermissions(path("readonly.did"), QFile::ReadOwner | QFile::ReadGroup);
    write("inuse.did", old);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.did"));
    const QString tooLong = path(QString(300, 'n'));
    const struct {
        QString path;
        QString message;
    } rows[] = {
        {path("folder.did"), "Access to " + path("folder.did") + " was denied."},
        {path("readonly.did"), "Access to " + path("readonly.did") + " was denied."},
        {path("no-folder/x.did"), path("no-folder/x.did") + " contains an invalid path."},
        {tooLong, tooLong + " contains an invalid path."},
        {path("inuse.did"),
         "A sharing violation occurred while accessing " + path("inuse.did") + "."},
    };
    HeldLock reader(path("inuse.did"), LOCK_SH);
    for (const auto& row : rows) {
        doc.setPathName("/before/path.did");
        doc.setTitle("path.did");
        const SaveResult result = saveDocumentFile(doc, row.path);
        EXPECT_FALSE(result.ok) << row.path.toStdString();
        EXPECT_EQ(result.message, row.message);
        EXPECT_EQ(doc.pathName(), "/before/path.did");
        EXPECT_EQ(doc.title(), "path.did");
    }
    EXPECT_EQ(read("readonly.did"), old);
    EXPECT_EQ(read("inuse.did"), old);
    EXPECT_TRUE(leftovers({"readonly.did", "inuse.did", "folder.did"}).isEmpty())
        << leftovers({"readonly.did", "inuse.did", "folder.did"}).join(' ').toStdString();
}

// A write that fails halfway (here: the file-size limit, which even root cannot pass) must not
// touch the old file nor leave the temporary file behind.
TEST_F(DocumentFile, keepsTheOldFileWhenWritingFailsHalfway) {
    const Bytes old(40, 'o');
    write("big.did", old);
    doc.m_offerCount = 4;
    doc.m_offers[3].location = std::string(8192, 'L');

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult result = saveDocumentFile(doc, path("big.did"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "An unknown error occurred while accessing " + path("big.did") + ".");
    EXPECT_EQ(read("big.did"), old);
    EXPECT_TRUE(leftovers({"big.did"}).isEmpty());
    EXPECT_EQ(doc.title(), "Untitled");
}

// ---- replacing ----

// Renaming over a file needs only the folder's permission, so a user could replace a file of
// someone else's that they may not write, and became its owner. Run as "nobody", in a folder that
// everyone may write, over a file of root's.
TEST_F(DocumentFile, refusesToReplaceAFileTheUserMayNotWrite) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "acting as another user needs root";
    }
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    write("roots.did", kOneOffer);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(kNoGroup) == 0 && ::setuid(kNobody) == 0;
        const SaveResult saved = saveDocumentFile(doc, path("roots.did"));
        ::_exit(!dropped                                                             ? 3
                : saved.message == "Access to " + path("roots.did") + " was denied." ? 0
                                                                                     : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(read("roots.did"), kOneOffer);
    EXPECT_EQ(stat("roots.did").st_uid, 0u);
    EXPECT_TRUE(leftovers({"roots.did"}).isEmpty())
        << leftovers({"roots.did"}).join(' ').toStdString();
}

// The new file used to take the saving user's owner and group.
TEST_F(DocumentFile, keepsTheModeOwnerAndGroupOfTheReplacedFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a file to another user needs root";
    }
    write("shared.did", kOneOffer);
    const gid_t kStaff = 50;  // any group but root's
    ASSERT_EQ(::chown(QFile::encodeName(path("shared.did")).constData(), kNobody, kStaff), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path("shared.did")).constData(), 0660), 0);
    ASSERT_EQ(replaceFileAtomically(path("shared.did"), "new", 3), 0);
    const struct stat info = stat("shared.did");
    EXPECT_EQ(read("shared.did"), Bytes({'n', 'e', 'w'}));
    EXPECT_EQ(info.st_mode & 07777, 0660u);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kStaff);
}

// Another program turns the link out.pdf between the open document and another file while exports
// write it. The export used to look at the link and then write through it, so that a turn in
// between wrote the PDF over the document.
TEST_F(DocumentFile, anExportNeverReplacesTheDocumentThatALinkIsTurnedTo) {
    write("doc.did", kOneOffer);
    ASSERT_TRUE(QFile::link("other.pdf", path("out.pdf")));
    std::atomic<bool> stop{false};
    std::atomic<int> turns{0};
    // Each turn makes the new link aside and renames it over out.pdf, which thus always exists.
    std::thread turner([&, turning = QFile::encodeName(path("turning")),
                        out = QFile::encodeName(path("out.pdf"))] {
        for (bool toDocument = true; !stop; toDocument = !toDocument, ++turns) {
            ::symlink(toDocument ? "doc.did" : "other.pdf", turning.constData());
            ::rename(turning.constData(), out.constData());
        }
    });
    int round = 0;
    for (; round < 400 && read("doc.did") == kOneOffer; ++round) {
        const int turnsBefore = turns;
        writeExportFile(path("out.pdf"), "%PDF", path("doc.did"));
        // A busy machine may starve the turner: each round waits for a turn of its own.
        while (turns == turnsBefore) {
            std::this_thread::yield();
        }
    }
    stop = true;
    turner.join();
    EXPECT_EQ(read("doc.did"), kOneOffer) << "replaced after " << round << " rounds";
}

// A save killed while it writes leaves the old file and nothing else. The child is killed once
// it has a file open in the folder other than the target: then it is writing.
TEST_F(DocumentFile, aKilledSaveLeavesTheOldFileAndNothingElse) {
    write("big.did", kOneOffer);
    const pid_t child = ::fork();
    if (child == 0) {
        const std::vector<char> bytes(std::size_t{256} << 20, 'x');
        ::_exit(replaceFileAtomically(path("big.did"), bytes.data(), bytes.size()));
    }
    const QString fds = QStringLiteral("/proc/%1/fd").arg(child);
    bool writing = false;
    for (int wait = 0; wait < 5000 && !writing; ++wait) {
        for (const QFileInfo& fd : QDir(fds).entryInfoList(QDir::Files | QDir::System)) {
            const QString target = fd.symLinkTarget();
            writing = writing || (target.startsWith(dir.path() + "/") && target != path("big.did"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(writing);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save ended before it could be killed";
    EXPECT_TRUE(leftovers({"big.did"}).isEmpty()) << leftovers({"big.did"}).join(' ').toStdString();
    EXPECT_EQ(read("big.did"), kOneOffer);
}

// Only what a killed save left is removed: the program's own name, old, and not held by a save.
TEST_F(DocumentFile, removesOnlyStaleTemporariesOfKilledSaves) {
    const struct {
        const char* name;
        int ageSeconds;
        bool held;
        bool removed;
    } rows[] = {
        {".zuvaduro-save-0123456789abcdef", 120, false, true},
        {".zuvaduro-save-00000000ffffffff", 5, false, false},    // a save may be writing it
        {".zuvaduro-save-1111111111111111", 120, true, false},   // a running save holds it
        {".zuvaduro-save-notes", 120, false, false},             // not the program's name
        {".zuvaduro-save-0123456789ABCDEF", 120, false, false},  // nor is this
    };
    std::vector<int> locks;
    for (const auto& row : rows) {
        write(row.name, kOneOffer);
        const timespec times[2] = {{::time(nullptr) - row.ageSeconds, 0},
                                   {::time(nullptr) - row.ageSeconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path(row.name)).constData(), times, 0),
                  0);
        if (row.held) {
            locks.push_back(::open(QFile::encodeName(path(row.name)).constData(), O_RDONLY));
            ASSERT_EQ(::flock(locks.back(), LOCK_EX | LOCK_NB), 0);
        }
    }
    removeStaleSaveTemporaries(dir.path(), std::chrono::seconds(60));
    for (const auto& row : rows) {
        EXPECT_EQ(!QFile::exists(path(row.name)), row.removed) << row.name;
    }
    for (int fd : locks) {
        ::close(fd);
    }
}

// ---- names ----

TEST_F(DocumentFile, asksForANameWithoutAWritableExistingFile) {
    EXPECT_TRUE(saveNeedsName(doc));  // a new document
    write("a.did", kOneOffer);
    doc.setPathName(path("a.did").toStdString());
    EXPECT_FALSE(saveNeedsName(doc));
    QFile::setPermissions(path("a.did"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_TRUE(saveNeedsName(doc));
    doc.setPathName(path("gone.did").toStdString());
    EXPECT_TRUE(saveNeedsName(doc));
}

TEST(SaveNames, proposeThePathOrTheTitleCutAtTheFirstSpecialCharacter) {
    MemorySettings settings;
    ContractDocument doc(settings);
    const struct {
        const char* title;
        const char* proposal;
    } rows[] = {
        {"Untitled", "Untitled.DID"}, {"my offers", "my.DID"}, {"a#b", "a.DID"},
        {"x%y;z", "x.DID"},           {"p;q", "p.DID"},        {"dir/f", "dir.DID"},
        {"a\\b c", "a.DID"},          {" lead", ".DID"},
    };
    for (const auto& row : rows) {
        doc.setTitle(row.title);
        EXPECT_EQ(proposedSaveName(doc), row.proposal) << row.title;
    }
    doc.setPathName("/home/gm/offers.did");
    EXPECT_EQ(proposedSaveName(doc), "/home/gm/offers.did");
}

TEST(SaveNames, appendTheDefaultExtensionOnlyWhenThereIsNone) {
    const struct {
        const char* typed;
        const char* name;
    } rows[] = {
        {"offers", "offers.DID"},     {"offers.did", "offers.did"},
        {"offers.txt", "offers.txt"}, {"/tmp/v1.2/offers", "/tmp/v1.2/offers.DID"},
        {"offers.", "offers.DID"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(withDefaultExtension(row.typed), row.name) << row.typed;
    }
}

}  // namespace
