#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Conversions between the document's texts in memory (UTF-8) and the two forms a document file
// holds them in: the 8-bit character set Windows-1252 and UTF-16 little-endian.
//
// Windows-1252 leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined; they are taken as the C1
// controls of the same number, so that every byte read from a file is written back unchanged.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character a Windows-1252 byte stands for. Total: every byte has one.
char32_t cp1252ToCodePoint(std::uint8_t byte);

// The Windows-1252 byte for a character, or nothing when the character set lacks it.
std::optional<std::uint8_t> codePointToCp1252(char32_t codePoint);

// One character decoded from UTF-8 at `text[at]` (which must be inside `text`) and the bytes it
// took. A byte that does not begin a well-formed sequence is taken alone, as U+FFFD, not valid.
struct Utf8Step {
    char32_t codePoint;
    std::size_t length;
    bool valid;
};
Utf8Step decodeUtf8Step(std::string_view text, std::size_t at);

// True for a byte inside a UTF-8 character, never at its start: a text cut before such a byte
// splits a character.
constexpr bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u;
}

// Decodes UTF-8. Each byte that does not begin a well-formed sequence (overlong forms,
// surrogates and values past U+10FFFF included) becomes one U+FFFD; nothing is dropped.
std::vector<char32_t> decodeUtf8(std::string_view text);

// Appends the UTF-8 form of a character; surrogates and values past U+10FFFF append U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);

std::string cp1252ToUtf8(std::span<const std::uint8_t> bytes);
// The UTF-8 size of the Windows-1252 `bytes`, and their UTF-8 form appended to `out`: a long
// text can be sized once and then converted a piece at a time.
std::size_t cp1252Utf8Size(std::span<const std::uint8_t> bytes);
void appendCp1252AsUtf8(std::string& out, std::span<const std::uint8_t> bytes);

// The Windows-1252 bytes of `codePoints`, or nothing when any character lacks an 8-bit form.
std::optional<std::vector<std::uint8_t>> codePointsToCp1252(std::span<const char32_t> codePoints);

std::u16string codePointsToUtf16(std::span<const char32_t> codePoints);

// Decodes UTF-16; an unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view units);
