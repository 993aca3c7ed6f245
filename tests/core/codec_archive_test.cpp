#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "document/Archive.h"
#include "document/Cp1252.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes stored(const std::string& text) {
    Archive ar;
    ar.writeText(text);
    return ar.takeBytes();
}

std::string loaded(const Bytes& bytes) {
    Archive ar(bytes);
    std::string text = ar.readText();
    EXPECT_EQ(ar.remaining(), 0u);
    return text;
}

ArchiveFault faultOf(const Bytes& bytes) {
    Archive ar(bytes);
    try {
        ar.readText();
    } catch (const ArchiveError& error) {
        return error.fault();
    }
    ADD_FAILURE() << "read succeeded";
    return ArchiveFault::BadFormat;
}

// ---- length prefixes ----

TEST(ArchiveText, usesTheShortestOfTheThreePrefixForms) {
    const struct {
        std::size_t length;
        Bytes prefix;
    } rows[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& row : rows) {
        const std::string text(row.length, 'x');
        const Bytes bytes = stored(text);
        ASSERT_EQ(bytes.size(), row.prefix.size() + row.length) << row.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + row.prefix.size()), row.prefix)
            << row.length;
        EXPECT_EQ(loaded(bytes), text) << row.length;
    }
}

TEST(ArchiveText, readsWideTextsWithEveryPrefixForm) {
    EXPECT_EQ(loaded({0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42, 0x00}), "AB");
    EXPECT_EQ(loaded({0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 0x43, 0x00}), "C");
    EXPECT_EQ(loaded({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x44, 0x00}),
              "D");
    EXPECT_EQ(loaded({0xFF, 0xFE, 0xFF, 0x00}), "");
}

TEST(ArchiveText, failsAtTheEndOfDataWhereverTheTextIsCut) {
    const Bytes whole[] = {
        stored("year"),
        stored(std::string(300, 'y')),
        stored(std::string(65534, 'z')),
        stored("\xCE\xA9 wide"),
    };
    for (const Bytes& bytes : whole) {
        for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
            const Bytes part(bytes.begin(), bytes.begin() + cut);
            Archive ar(part);
            EXPECT_THROW(ar.readText(), ArchiveError) << "cut at " << cut;
        }
    }
}

TEST(ArchiveText, rejectsASecondWideMarker) {
    EXPECT_EQ(faultOf({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00}), ArchiveFault::BadFormat);
}

// A length must be checked against what remains before anything is reserved for it; the wide
// count is doubled in 64 bits, so 0x80000000 units cannot wrap to zero bytes.
TEST(ArchiveText, rejectsLengthsBeyondTheRemainingBytes) {
    const Bytes claims[] = {
        {0x05, 'a', 'b'},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x41, 0x00},
        {0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42},
    };
    for (const Bytes& bytes : claims) {
        EXPECT_EQ(faultOf(bytes), ArchiveFault::EndOfData);
    }
}

// ---- character sets ----

TEST(ArchiveText, keepsWindows1252TextsEightBitAndWritesOthersWide) {
    const struct {
        const char* utf8;
        Bytes bytes;
    } rows[] = {
        {"\xE2\x82\xAC", {0x01, 0x80}},                                          // euro sign
        {"\xC3\xA9t\xC3\xA9", {0x03, 0xE9, 0x74, 0xE9}},                         // été
        {"\xCE\xA9", {0xFF, 0xFE, 0xFF, 0x01, 0xA9, 0x03}},                      // omega
        {"\xF0\x9F\x98\x80", {0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE}},  // emoji
        {"\xE2\x82\xAC\xCE\xA9", {0xFF, 0xFE, 0xFF, 0x02, 0xAC, 0x20, 0xA9, 0x03}},
        {"\xC2\x80", {0xFF, 0xFE, 0xFF, 0x01, 0x80, 0x00}},  // U+0080 has no 8-bit form
    };
    for (const auto& row : rows) {
        EXPECT_EQ(stored(row.utf8), row.bytes) << row.utf8;
        EXPECT_EQ(loaded(row.bytes), row.utf8) << row.utf8;
    }
}

TEST(ArchiveText, writesEveryByteReadBackUnchanged) {
    Bytes all{0xFF, 0x00, 0x01};
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<std::uint8_t>(b));
    }
    EXPECT_EQ(stored(loaded(all)), all);
    EXPECT_EQ(loaded({0x05, 0x81, 0x8D, 0x8F, 0x90, 0x9D}),
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

// The decoder copies ASCII eight bytes at a time: every byte, at every offset within such a
// block and next to every other kind of byte, must still decode as it does alone.
TEST(ArchiveText, decodesLongMixedTextsAsEachByteAlone) {
    Bytes text;
    for (int b = 0; b < 256; ++b) {
        for (int offset = 0; offset < 9; ++offset) {
            text.insert(text.end(), static_cast<std::size_t>(offset), 'a');
            text.push_back(static_cast<std::uint8_t>(b));
        }
    }
    std::string expected;
    for (std::uint8_t byte : text) {
        appendUtf8(expected, cp1252ToCodePoint(byte));
    }
    EXPECT_EQ(cp1252ToUtf8(text), expected);
}

TEST(ArchiveText, storesInvalidUtf8AsReplacementCharacters) {
    EXPECT_EQ(stored("a\xFF"
                     "b"),
              (Bytes{0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 0xFD, 0xFF, 'b', 0}));
}

TEST(ArchiveText, readsUnpairedSurrogatesAsReplacementCharacters) {
    EXPECT_EQ(loaded({0xFF, 0xFE, 0xFF, 0x02, 0x00, 0xD8, 0x41, 0x00}),
              "\xEF\xBF\xBD"
              "A");
    EXPECT_EQ(loaded({0xFF, 0xFE, 0xFF, 0x01, 0x00, 0xDC}), "\xEF\xBF\xBD");
}

TEST(decodeUtf8, replacesEachBadByteAndKeepsTheRest) {
    const struct {
        const char* text;
        std::u32string expected;
    } rows[] = {
        {"\xC0\x80", U"\uFFFD\uFFFD"},                      // overlong NUL
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
        {"\xE2\x82", U"\uFFFD\uFFFD"},                      // cut short
        {"a\x80z", U"a\uFFFDz"},
        {"\xF0\x9F\x98\x80", U"\U0001F600"},
    };
    for (const auto& row : rows) {
        const std::vector<char32_t> decoded = decodeUtf8(row.text);
        EXPECT_EQ(std::u32string(decoded.begin(), decoded.end()), row.expected) << row.text;
    }
}

}  // namespace
