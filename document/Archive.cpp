#include "document/Archive.h"

#include <limits>

#include "document/Cp1252.h"

namespace {

constexpr std::uint8_t kLongPrefix = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLongerPrefix = 0xFFFF;

const char* FaultText(ArchiveFault fault) {
    return fault == ArchiveFault::EndOfData ? "archive: end of data" : "archive: bad format";
}

}  // namespace

ArchiveError::ArchiveError(ArchiveFault fault)
    : std::runtime_error(FaultText(fault)), m_fault(fault) {}

Archive::Archive() : m_loading(false) {}

Archive::Archive(std::span<const std::uint8_t> bytes) : m_loading(true), m_input(bytes) {}

void Archive::RequireLoading() const {
    if (!m_loading) {
        throw std::logic_error("read from a storing archive");
    }
}

void Archive::RequireStoring() const {
    if (m_loading) {
        throw std::logic_error("write to a loading archive");
    }
}

// ---- storing ----

void Archive::WriteU8(std::uint8_t value) {
    RequireStoring();
    m_output.push_back(value);
}

void Archive::WriteU16(std::uint16_t value) {
    WriteU8(static_cast<std::uint8_t>(value));
    WriteU8(static_cast<std::uint8_t>(value >> 8));
}

void Archive::WriteU32(std::uint32_t value) {
    WriteU16(static_cast<std::uint16_t>(value));
    WriteU16(static_cast<std::uint16_t>(value >> 16));
}

void Archive::WriteBytes(std::span<const std::uint8_t> bytes) {
    RequireStoring();
    m_output.insert(m_output.end(), bytes.begin(), bytes.end());
}

// The shortest of the three forms. 0xFFFE cannot be a 16-bit length because it is the wide
// marker, which is why 65534 already takes the 32-bit form.
void Archive::WriteLength(std::size_t length) {
    if (length < kLongPrefix) {
        WriteU8(static_cast<std::uint8_t>(length));
    } else if (length < kWideMarker) {
        WriteU8(kLongPrefix);
        WriteU16(static_cast<std::uint16_t>(length));
    } else if (length <= std::numeric_limits<std::uint32_t>::max()) {
        WriteU8(kLongPrefix);
        WriteU16(kLongerPrefix);
        WriteU32(static_cast<std::uint32_t>(length));
    } else {
        throw std::length_error("text too long for a document file");
    }
}

void Archive::WriteText(std::string_view utf8) {
    RequireStoring();
    const std::vector<char32_t> codePoints = DecodeUtf8(utf8);
    if (const auto narrow = CodePointsToCp1252(codePoints)) {
        WriteLength(narrow->size());
        WriteBytes(*narrow);
        return;
    }
    const std::u16string wide = CodePointsToUtf16(codePoints);
    WriteU8(kLongPrefix);
    WriteU16(kWideMarker);
    WriteLength(wide.size());
    for (char16_t unit : wide) {
        WriteU16(unit);
    }
}

// ---- loading ----

std::span<const std::uint8_t> Archive::ReadBytes(std::size_t count) {
    RequireLoading();
    if (count > Remaining()) {
        throw ArchiveError(ArchiveFault::EndOfData);
    }
    const auto bytes = m_input.subspan(m_position, count);
    m_position += count;
    return bytes;
}

std::uint8_t Archive::ReadU8() {
    return ReadBytes(1)[0];
}

std::uint16_t Archive::ReadU16() {
    const auto b = ReadBytes(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t Archive::ReadU32() {
    const auto b = ReadBytes(4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

Archive::Prefix Archive::ReadPrefix() {
    const std::uint8_t first = ReadU8();
    if (first != kLongPrefix) {
        return {false, first};
    }
    const std::uint16_t second = ReadU16();
    if (second == kWideMarker) {
        return {true, 0};
    }
    if (second != kLongerPrefix) {
        return {false, second};
    }
    return {false, ReadU32()};
}

std::string Archive::ReadText() {
    const Prefix prefix = ReadPrefix();
    if (!prefix.wideMarker) {
        return Cp1252ToUtf8(ReadBytes(prefix.length));
    }
    const Prefix count = ReadPrefix();
    if (count.wideMarker) {
        throw ArchiveError(ArchiveFault::BadFormat);
    }
    // Checked in 64 bits before anything is allocated: a count near 2^32 must not wrap.
    if (2 * static_cast<std::uint64_t>(count.length) > Remaining()) {
        throw ArchiveError(ArchiveFault::EndOfData);
    }
    const auto bytes = ReadBytes(2 * static_cast<std::size_t>(count.length));
    std::u16string units(count.length, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    return Utf16ToUtf8(units);
}
