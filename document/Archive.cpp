#include "document/Archive.h"

#include <algorithm>
#include <limits>

#include "document/Cp1252.h"

namespace {

constexpr std::uint8_t kLongPrefix = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLongerPrefix = 0xFFFF;
// How much of a long 8-bit text is converted before its input is given back.
constexpr std::size_t kReleasedPiece = std::size_t{16} << 20;

const char* faultText(ArchiveFault fault) {
    return fault == ArchiveFault::EndOfData ? "archive: end of data" : "archive: bad format";
}

}  // namespace

ArchiveError::ArchiveError(ArchiveFault fault)
    : std::runtime_error(faultText(fault)), m_fault(fault) {}

Archive::Archive() : m_loading(false) {}

Archive::Archive(std::span<const std::uint8_t> bytes, LongTextHooks hooks)
    : m_loading(true), m_input(bytes), m_hooks(std::move(hooks)) {}

void Archive::requireLoading() const {
    if (!m_loading) {
        throw std::logic_error("read from a storing archive");
    }
}

void Archive::requireStoring() const {
    if (m_loading) {
        throw std::logic_error("write to a loading archive");
    }
}

// ---- storing ----

void Archive::writeU8(std::uint8_t value) {
    requireStoring();
    m_output.push_back(value);
}

void Archive::writeU16(std::uint16_t value) {
    writeU8(static_cast<std::uint8_t>(value));
    writeU8(static_cast<std::uint8_t>(value >> 8));
}

void Archive::writeU32(std::uint32_t value) {
    writeU16(static_cast<std::uint16_t>(value));
    writeU16(static_cast<std::uint16_t>(value >> 16));
}

void Archive::writeBytes(std::span<const std::uint8_t> bytes) {
    requireStoring();
    m_output.insert(m_output.end(), bytes.begin(), bytes.end());
}

// The shortest of the three forms. 0xFFFE cannot be a 16-bit length because it is the wide
// marker, which is why 65534 already takes the 32-bit form.
void Archive::writeLength(std::size_t length) {
    if (length < kLongPrefix) {
        writeU8(static_cast<std::uint8_t>(length));
    } else if (length < kWideMarker) {
        writeU8(kLongPrefix);
        writeU16(static_cast<std::uint16_t>(length));
    } else if (length <= std::numeric_limits<std::uint32_t>::max()) {
        writeU8(kLongPrefix);
        writeU16(kLongerPrefix);
        writeU32(static_cast<std::uint32_t>(length));
    } else {
        throw std::length_error("text too long for a document file");
    }
}

void Archive::writeText(std::string_view utf8) {
    requireStoring();
    const std::vector<char32_t> codePoints = decodeUtf8(utf8);
    if (const auto narrow = codePointsToCp1252(codePoints)) {
        writeLength(narrow->size());
        writeBytes(*narrow);
        return;
    }
    const std::u16string wide = codePointsToUtf16(codePoints);
    writeU8(kLongPrefix);
    writeU16(kWideMarker);
    writeLength(wide.size());
    for (char16_t unit : wide) {
        writeU16(unit);
    }
}

// ---- loading ----

std::span<const std::uint8_t> Archive::readBytes(std::size_t count) {
    requireLoading();
    if (count > remaining()) {
        throw ArchiveError(ArchiveFault::EndOfData);
    }
    const auto bytes = m_input.subspan(m_position, count);
    m_position += count;
    return bytes;
}

std::uint8_t Archive::readU8() {
    return readBytes(1)[0];
}

std::uint16_t Archive::readU16() {
    const auto b = readBytes(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t Archive::readU32() {
    const auto b = readBytes(4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

Archive::Prefix Archive::readPrefix() {
    const std::uint8_t first = readU8();
    if (first != kLongPrefix) {
        return {false, first};
    }
    const std::uint16_t second = readU16();
    if (second == kWideMarker) {
        return {true, 0};
    }
    if (second != kLongerPrefix) {
        return {false, second};
    }
    return {false, readU32()};
}

std::string Archive::readText() {
    const Prefix prefix = readPrefix();
    if (!prefix.wideMarker) {
        const auto bytes = readBytes(prefix.length);
        if (!m_hooks.releaseInput || bytes.size() < kReleasedPiece) {
            return cp1252ToUtf8(bytes);
        }
        // A piece at a time, each piece's input given back once converted: a value of hundreds
        // of megabytes is never whole in memory twice.
        std::string text;
        text.reserve(cp1252Utf8Size(bytes));
        if (m_hooks.prepareText) {
            m_hooks.prepareText(text.data(), text.capacity());
        }
        const std::size_t start = static_cast<std::size_t>(bytes.data() - m_input.data());
        for (std::size_t at = 0; at < bytes.size(); at += kReleasedPiece) {
            const auto piece = bytes.subspan(at, std::min(kReleasedPiece, bytes.size() - at));
            appendCp1252AsUtf8(text, piece);
            m_hooks.releaseInput(start + at + piece.size());
        }
        return text;
    }
    const Prefix count = readPrefix();
    if (count.wideMarker) {
        throw ArchiveError(ArchiveFault::BadFormat);
    }
    // Checked in 64 bits before anything is allocated: a count near 2^32 must not wrap.
    if (2 * static_cast<std::uint64_t>(count.length) > remaining()) {
        throw ArchiveError(ArchiveFault::EndOfData);
    }
    const auto bytes = readBytes(2 * static_cast<std::size_t>(count.length));
    std::u16string units(count.length, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    return utf16ToUtf8(units);
}
