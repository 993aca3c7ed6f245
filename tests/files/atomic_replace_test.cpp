#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

#include "doc/CRodeDoc.h"
#include "doc/MemorySettings.h"
#include "doc/io/AtomicReplace.h"
#include "doc/io/DocumentFile.h"

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

class AtomicReplace : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString Path(const QString& name) const { return dir.filePath(name); }
    QByteArray Native(const QString& name) const { return QFile::encodeName(Path(name)); }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Read(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    struct stat Stat(const QString& name) const {
        struct stat info {};
        EXPECT_EQ(::stat(Native(name).constData(), &info), 0);
        return info;
    }

    QTemporaryDir dir;
};

// Renaming over a file needs only the folder's permission, so a user could replace a file of
// someone else's that they may not write, and became its owner. Run as "nobody", in a folder that
// everyone may write, over a file of root's.
TEST_F(AtomicReplace, refusesATargetTheUserMayNotWrite) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "acting as another user needs root";
    }
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    Write("roots.did", "old");
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(kNoGroup) == 0 && ::setuid(kNobody) == 0;
        MemorySettings settings;
        CRodeDoc doc(settings, 1);
        doc.OnNewDocument();
        const SaveResult saved = SaveDocumentFile(doc, Path("roots.did"));
        ::_exit(!dropped                                                             ? 3
                : saved.message == "Access to " + Path("roots.did") + " was denied." ? 0
                                                                                     : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(Read("roots.did"), "old");
    EXPECT_EQ(Stat("roots.did").st_uid, 0u);
    EXPECT_EQ(Entries(), QStringList({"roots.did"}));
}

// The new file used to take the saving user's group (and, for root, owner).
TEST_F(AtomicReplace, keepsTheModeOwnerAndGroupOfTheReplacedFile) {
    Write("shared.did", "old");
    uid_t owner = ::geteuid();
    gid_t group = ::getegid();
    if (owner == 0) {
        owner = kNobody;
        group = 50;  // any group other than root's
    } else {
        std::vector<gid_t> groups(static_cast<std::size_t>(::getgroups(0, nullptr)));
        ::getgroups(static_cast<int>(groups.size()), groups.data());
        const auto other =
            std::find_if(groups.begin(), groups.end(), [](gid_t g) { return g != ::getegid(); });
        if (other == groups.end()) {
            GTEST_SKIP() << "the user belongs to no second group";
        }
        group = *other;
    }
    ASSERT_EQ(::chown(Native("shared.did").constData(), owner, group), 0);
    ASSERT_EQ(::chmod(Native("shared.did").constData(), 0660), 0);

    ASSERT_EQ(ReplaceFileAtomically(Path("shared.did"), "new", 3), 0);
    const struct stat info = Stat("shared.did");
    EXPECT_EQ(Read("shared.did"), "new");
    EXPECT_EQ(info.st_mode & 07777, 0660u);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(info.st_gid, group);
}

// A save killed while it writes leaves the old file and nothing else. The child is killed once
// it has a file open in the folder other than the target: then it is writing.
TEST_F(AtomicReplace, aKilledSaveLeavesTheOldFileAndNothingElse) {
    Write("big.did", "old");
    const pid_t child = ::fork();
    if (child == 0) {
        const std::vector<char> bytes(std::size_t{256} << 20, 'x');
        ::_exit(ReplaceFileAtomically(Path("big.did"), bytes.data(), bytes.size()));
    }
    const QString fds = QStringLiteral("/proc/%1/fd").arg(child);
    bool writing = false;
    for (int wait = 0; wait < 5000 && !writing; ++wait) {
        for (const QFileInfo& fd : QDir(fds).entryInfoList(QDir::Files | QDir::System)) {
            const QString target = fd.symLinkTarget();
            writing = writing || (target.startsWith(dir.path() + "/") && target != Path("big.did"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(writing);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save ended before it could be killed";
    EXPECT_EQ(Entries(), QStringList({"big.did"}));
    EXPECT_EQ(Read("big.did"), "old");
}

// Only what a killed save left is removed: the program's own name, old, and not held by a save.
TEST_F(AtomicReplace, removesOnlyStaleTemporariesOfKilledSaves) {
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
        Write(row.name, "left");
        const timespec times[2] = {{::time(nullptr) - row.ageSeconds, 0},
                                   {::time(nullptr) - row.ageSeconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, Native(row.name).constData(), times, 0), 0);
        if (row.held) {
            locks.push_back(::open(Native(row.name).constData(), O_RDONLY));
            ASSERT_EQ(::flock(locks.back(), LOCK_EX | LOCK_NB), 0);
        }
    }
    RemoveStaleSaveTemporaries(dir.path(), std::chrono::seconds(60));
    for (const auto& row : rows) {
        EXPECT_EQ(!QFile::exists(Path(row.name)), row.removed) << row.name;
    }
    for (int fd : locks) {
        ::close(fd);
    }
}

}  // namespace
