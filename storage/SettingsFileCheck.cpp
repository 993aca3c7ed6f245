#include "storage/SettingsFileCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <cerrno>

#include "storage/Descriptor.h"

namespace {

SettingsFileCheck::Stamp stampOf(const struct stat& info) {
    return {static_cast<unsigned long long>(info.st_dev),
            static_cast<unsigned long long>(info.st_ino), static_cast<long long>(info.st_size),
            static_cast<long long>(info.st_mtim.tv_sec),
            static_cast<long long>(info.st_mtim.tv_nsec)};
}

// The whole file, or nothing when a read fails.
std::optional<QByteArray> readWhole(int fd, long long sizeHint) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(sizeHint));
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(chunk, got);
    }
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

}  // namespace

bool SettingsFileCheck::allowsReading(const QString& path) {
    // Non-blocking: opening a FIFO without a writer must not wait.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!file) {
        return true;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const Stamp stamp = stampOf(info);
    if (m_passed == stamp) {
        return true;
    }
    const std::optional<QByteArray> bytes = readWhole(file.get(), stamp.size);
    if (!bytes || !isUtf8(*bytes)) {
        return false;
    }
    m_passed = stamp;
    return true;
}
