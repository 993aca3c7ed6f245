#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Why an archive read failed. Both mean "Unexpected file format." to the user.
enum class ArchiveFault {
    EndOfData,  // a read needs more bytes than remain (a length prefix included)
    BadFormat,  // a wide-text marker where its character count belongs
};

class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(ArchiveFault fault);
    ArchiveFault fault() const { return m_fault; }

private:
    ArchiveFault m_fault;
};

// A byte archive that either loads from a block of bytes or stores into a growing one.
// Integers are little-endian. Texts are UTF-8 in memory and length-prefixed in the archive:
// the length is one byte (0..254), or 0xFF and a 16-bit value (255..65533), or 0xFF 0xFFFF and a
// 32-bit value. A text that Windows-1252 can hold is stored in it; any other text is stored wide:
// 0xFF 0xFFFE, then a prefix counting UTF-16 units, then UTF-16LE.
//
// Reading never allocates for a length before checking that the bytes are there, so no input
// makes the reader ask for much more memory than the input's own size.
class Archive {
public:
    // A storing archive.
    Archive();
    // Told while a text of many megabytes is read: where its UTF-8 form is about to be written,
    // so that that memory can be prepared (given large pages, say), and how many leading bytes
    // of the input will not be read again, so that their memory can go back before the text is
    // whole. Without `releaseInput` every text is read in one piece.
    struct LongTextHooks {
        std::function<void(char* text, std::size_t size)> prepareText;
        std::function<void(std::size_t consumed)> releaseInput;
    };

    // A loading archive over `bytes`, which must outlive it.
    explicit Archive(std::span<const std::uint8_t> bytes, LongTextHooks hooks = {});

    bool isLoading() const { return m_loading; }
    bool isStoring() const { return !m_loading; }

    // ---- storing ----
    void writeU8(std::uint8_t value);
    void writeU16(std::uint16_t value);
    void writeU32(std::uint32_t value);
    void writeBytes(std::span<const std::uint8_t> bytes);
    // Invalid UTF-8 is stored as U+FFFD. Throws std::length_error past 2^32-1 units.
    void writeText(std::string_view utf8);

    // The bytes stored so far.
    const std::vector<std::uint8_t>& bytes() const { return m_output; }
    std::vector<std::uint8_t> takeBytes() { return std::move(m_output); }

    // ---- loading; each throws ArchiveError when the bytes run out ----
    std::uint8_t readU8();
    std::uint16_t readU16();
    std::uint32_t readU32();
    // A view into the loaded bytes.
    std::span<const std::uint8_t> readBytes(std::size_t count);
    std::string readText();

    std::size_t remaining() const { return m_input.size() - m_position; }

private:
    struct Prefix {
        bool wideMarker = false;
        std::uint32_t length = 0;
    };
    Prefix readPrefix();
    void writeLength(std::size_t length);
    void requireLoading() const;
    void requireStoring() const;

    bool m_loading;
    std::span<const std::uint8_t> m_input;
    std::size_t m_position = 0;
    LongTextHooks m_hooks;
    std::vector<std::uint8_t> m_output;
};
