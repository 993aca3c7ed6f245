#include "storage/DocumentFile.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <exception>
#include <new>
#include <vector>

#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "storage/AtomicReplace.h"
#include "storage/CoreTexts.h"
#include "storage/Descriptor.h"
#include "storage/FileError.h"
#include "storage/KernelPath.h"

namespace {

constexpr const char* kFailedToSave = QT_TRANSLATE_NOOP("DocumentFile", "Failed to save document.");
constexpr const char* kDefaultSuffix = "DID";

QString errorMessage(int error, const QString& path) {
    return fileErrorMessageFor(error, path);
}

bool samePath(const ContractDocument& doc, const QString& absolute) {
    if (doc.pathName().empty()) {
        return false;
    }
    const QString own = QString::fromStdString(doc.pathName());
    if (own == absolute) {
        return true;
    }
    const QString ownTarget = QFileInfo(own).canonicalFilePath();
    return !ownTarget.isEmpty() && ownTarget == QFileInfo(absolute).canonicalFilePath();
}

// The document after a successful open or save.
void takePath(ContractDocument& doc, const QString& absolute) {
    doc.setPathName(absolute.toStdString());
    doc.setTitle(QFileInfo(absolute).fileName().toStdString());
}

// A pipe or a device says nothing of its size, and /dev/zero never ends; a document is read
// whole into memory, so past this many bytes such a file is not taken for one.
constexpr std::size_t kUnsizedReadLimit = std::size_t{256} * 1024 * 1024;
constexpr std::size_t kFirstChunk = 64 * 1024;
// Each read() is at most this long, so that progress and a cancel are seen on slow media.
constexpr std::size_t kLongestRead = 4 * 1024 * 1024;
// How long a read waits for a pipe before it looks at the cancel flag again.
constexpr int kPipeWaitMs = 100;

}  // namespace

namespace {

// Large pages for a block of memory where the system offers them: filling hundreds of megabytes
// of small pages costs more in page faults than reading the file and converting its text.
void adviseLargePages(void* block, std::size_t size) {
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto from = (reinterpret_cast<std::uintptr_t>(block) + page - 1) / page * page;
    const auto to = (reinterpret_cast<std::uintptr_t>(block) + size) / page * page;
    if (to > from) {
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    }
}

}  // namespace

// Bytes that read() fills, in a mapping of their own: mremap() grows it by moving pages, not
// bytes, so a pipe's bytes grow without being copied and without two blocks at once; and the
// pages of what the decoder is done with can be given back while it goes on.
struct DocumentOpening::Buffer {
    std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t capacity = 0;
    std::size_t released = 0;

    Buffer() = default;
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    ~Buffer() {
        if (data != nullptr) {
            ::munmap(data, capacity);
        }
    }

    void grow(std::size_t wanted) {
        void* bigger = data == nullptr ? ::mmap(nullptr, wanted, PROT_READ | PROT_WRITE,
                                                MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                       : ::mremap(data, capacity, wanted, MREMAP_MAYMOVE);
        if (bigger == MAP_FAILED) {
            throw std::bad_alloc();
        }
        data = static_cast<std::uint8_t*>(bigger);
        capacity = wanted;
        adviseLargePages(data, capacity);
    }

    // The first `consumed` bytes will not be read again: their whole pages go back.
    void release(std::size_t consumed) {
        const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        const std::size_t end = consumed / page * page;
        if (end > released) {
            ::madvise(data + released, end - released, MADV_DONTNEED);
            released = end;
        }
    }
};

DocumentOpening::DocumentOpening(const ContractDocument& doc, const QString& path)
    : m_absolute(absolutePathAsGiven(path)) {
    if (samePath(doc, m_absolute)) {
        m_outcome = OpenResult{OpenStatus::AlreadyOpen, {}, false};
        return;
    }
    const auto fail = [this](int error) {
        m_outcome = OpenResult{OpenStatus::Failed, errorMessage(error, m_absolute), false};
        m_file.close();
    };
    // Non-blocking, so that a pipe without a writer cannot hang the open.
    m_file.reset(
        ::open(QFile::encodeName(m_absolute).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!m_file) {
        fail(errno);
        return;
    }
    struct stat info {};
    if (::fstat(m_file.get(), &info) != 0) {
        fail(errno);
        return;
    }
    if (S_ISDIR(info.st_mode)) {
        fail(EISDIR);
        return;
    }
    if (::flock(m_file.get(), LOCK_SH | LOCK_NB) != 0) {
        fail(errno);
        return;
    }
    m_regular = S_ISREG(info.st_mode);
    if (m_regular) {
        m_expectedSize = static_cast<std::int64_t>(info.st_size);
        ::fcntl(m_file.get(), F_SETFL, ::fcntl(m_file.get(), F_GETFL) & ~O_NONBLOCK);
    }
}

DocumentOpening::~DocumentOpening() = default;

void DocumentOpening::readBytes(const std::atomic<bool>& cancel,
                                std::atomic<std::int64_t>& bytesRead) {
    if (!needsReading() || m_read) {
        return;
    }
    m_read = true;
    const auto size = static_cast<std::size_t>(m_expectedSize);
    // Files that grow while they are read, and files such as those under /proc that claim to
    // be empty, still meet a bound.
    const std::size_t limit = m_regular ? std::max(size, kUnsizedReadLimit) : kUnsizedReadLimit;
    try {
        m_buffer = std::make_unique<Buffer>();
        // One byte beyond a regular file's size, so that its end is seen without growing.
        m_buffer->grow(size > 0 ? size + 1 : kFirstChunk);
        Buffer& buffer = *m_buffer;
        for (;;) {
            if (cancel.load(std::memory_order_relaxed)) {
                m_cancelled = true;
                break;
            }
            if (buffer.size == buffer.capacity) {
                if (buffer.size > limit) {
                    m_tooLong = true;
                    break;
                }
                const std::size_t doubled = std::max(buffer.capacity * 2, kFirstChunk);
                buffer.grow(doubled > limit ? limit + 1 : doubled);
            }
            const std::size_t room = std::min(buffer.capacity - buffer.size, kLongestRead);
            const ssize_t got = ::read(m_file.get(), buffer.data + buffer.size, room);
            if (got > 0) {
                buffer.size += static_cast<std::size_t>(got);
                bytesRead.store(static_cast<std::int64_t>(buffer.size), std::memory_order_relaxed);
            } else if (got == 0) {
                break;
            } else if (errno == EAGAIN) {
                pollfd wait{m_file.get(), POLLIN, 0};
                ::poll(&wait, 1, kPipeWaitMs);
            } else if (errno != EINTR) {
                m_readError = errno;
                break;
            }
        }
    } catch (const std::bad_alloc&) {
        m_outOfMemory = true;
    }
    m_file.close();
}

OpenResult DocumentOpening::finish(ContractDocument& doc) {
    if (m_outcome) {
        return *m_outcome;
    }
    if (!m_read) {
        const std::atomic<bool> never{false};
        std::atomic<std::int64_t> ignored{0};
        readBytes(never, ignored);
    }
    if (m_cancelled) {
        return {OpenStatus::Cancelled, {}, false};
    }
    const auto failAfterStart = [&doc](QString message) {
        doc.resetToUntitled();
        return OpenResult{OpenStatus::Failed, std::move(message), true};
    };
    if (m_outOfMemory) {
        return failAfterStart(shownCoreText(kFailedToOpenDocument));
    }
    if (m_readError != 0) {
        return failAfterStart(errorMessage(m_readError, m_absolute));
    }
    if (m_tooLong) {
        return failAfterStart(shownCoreText(kUnexpectedFileFormat));
    }
    // The bytes go as soon as they are decoded: with a long value, they and the document's
    // texts are the two large things the program holds.
    const std::unique_ptr<Buffer> buffer = std::move(m_buffer);
    // A 0-byte file is taken as it is: nothing is read and the document keeps its contents, but
    // not the record of their dice: they are now the file's.
    doc.m_rolls.clear();
    if (buffer->size > 0) {
        Archive::LongTextHooks hooks;
        hooks.prepareText = adviseLargePages;
        hooks.releaseInput = [&buffer](std::size_t consumed) { buffer->release(consumed); };
        const CodecResult read = readDocumentBytes(doc, {buffer->data, buffer->size}, hooks);
        if (!read.ok) {
            return OpenResult{OpenStatus::Failed, shownCoreText(read.message), true};
        }
    }
    takePath(doc, m_absolute);
    return {OpenStatus::Opened, {}, false};
}

OpenResult openDocumentFile(ContractDocument& doc, const QString& path) {
    DocumentOpening opening(doc, path);
    return opening.finish(doc);
}

SaveResult saveDocumentFile(ContractDocument& doc, const QString& path) {
    const QString absolute = absolutePathAsGiven(path);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = writeDocumentBytes(doc);
    } catch (const std::exception&) {
        return {false, QCoreApplication::translate("DocumentFile", kFailedToSave)};
    }
    if (int error = replaceFileAtomically(absolute, bytes.data(), bytes.size())) {
        return {false, errorMessage(error, absolute)};
    }
    takePath(doc, absolute);
    return {};
}

bool saveNeedsName(const ContractDocument& doc) {
    if (doc.pathName().empty()) {
        return true;
    }
    const QFileInfo info(QString::fromStdString(doc.pathName()));
    constexpr auto kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.exists() || !(info.permissions() & kAnyWrite);
}

QString proposedSaveName(const ContractDocument& doc) {
    if (!doc.pathName().empty()) {
        return QString::fromStdString(doc.pathName());
    }
    const std::string& title = doc.title();
    const std::string stem = title.substr(0, title.find_first_of(" #%;/\\"));
    return QString::fromStdString(stem) + QLatin1Char('.') + QLatin1String(kDefaultSuffix);
}

QString withDefaultExtension(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    // "offers." already ends in the dot; do not double it.
    return path + (name.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")) +
           QLatin1String(kDefaultSuffix);
}
