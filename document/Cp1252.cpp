#include "document/Cp1252.h"

#include <array>
#include <cstring>

namespace {

// clang-format off
// 0x80..0x9F, the only row where Windows-1252 differs from Latin-1. The five undefined bytes
// keep their own number.
constexpr std::array<char32_t, 32> kHighRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};
// clang-format on
static_assert(kHighRow[0x00] == 0x20AC && kHighRow[0x1F] == 0x0178);

constexpr bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// Length of the sequence a UTF-8 lead byte announces, 0 for a byte that cannot lead.
constexpr int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

constexpr char32_t kMinimumForLength[5] = {0, 0, 0x80, 0x800, 0x10000};

// The UTF-8 form of every Windows-1252 byte, built once: the decoder below copies runs of
// plain ASCII whole and looks up only the bytes from 0x80 on.
struct Utf8Form {
    std::uint8_t length = 0;
    std::array<char, 3> bytes{};
};

constexpr std::array<Utf8Form, 256> makeUtf8Forms() {
    std::array<Utf8Form, 256> forms{};
    for (int b = 0; b < 256; ++b) {
        const char32_t c = b >= 0x80 && b <= 0x9F ? kHighRow[static_cast<std::size_t>(b - 0x80)]
                                                  : static_cast<char32_t>(b);
        Utf8Form& form = forms[static_cast<std::size_t>(b)];
        if (c < 0x80) {
            form = {1, {static_cast<char>(c)}};
        } else if (c < 0x800) {
            form = {2, {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))}};
        } else {
            form = {
                3,
                {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (c & 0x3F))}};
        }
    }
    return forms;
}
constexpr std::array<Utf8Form, 256> kUtf8Forms = makeUtf8Forms();
static_assert(kUtf8Forms[0x80].length == 3 && kUtf8Forms[0xE9].length == 2);

// How many bytes from `from` on are below 0x80; eight at a time while it can.
std::size_t asciiRun(std::span<const std::uint8_t> bytes, std::size_t from) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::size_t i = from;
    while (i + 8 <= bytes.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if ((word & kHighBits) != 0) {
            break;
        }
        i += 8;
    }
    while (i < bytes.size() && bytes[i] < 0x80) {
        ++i;
    }
    return i - from;
}

}  // namespace

char32_t cp1252ToCodePoint(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighRow[byte - 0x80];
    }
    return byte;
}

std::optional<std::uint8_t> codePointToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<std::uint8_t>(codePoint);
    }
    for (std::size_t i = 0; i < kHighRow.size(); ++i) {
        if (kHighRow[i] == codePoint) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

Utf8Step decodeUtf8Step(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = sequenceLength(lead);
    if (length == 1) {
        return {lead, 1, true};
    }
    bool valid = length != 0 && at + static_cast<std::size_t>(length) <= text.size();
    char32_t c = valid ? static_cast<char32_t>(lead & (0xFF >> (length + 1))) : 0;
    for (int k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]);
        valid = (next & 0xC0) == 0x80;
        c = (c << 6) | (next & 0x3F);
    }
    valid = valid && c >= kMinimumForLength[length] && c <= 0x10FFFF && !isSurrogate(c);
    if (!valid) {
        return {kReplacementCharacter, 1, false};
    }
    return {c, static_cast<std::size_t>(length), true};
}

std::vector<char32_t> decodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Step step = decodeUtf8Step(text, i);
        out.push_back(step.codePoint);
        i += step.length;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (isSurrogate(c) || c > 0x10FFFF) {
        c = kReplacementCharacter;
    }
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Documents may hold values of hundreds of megabytes: the result is sized in a first pass and
// filled in a second, so it is allocated once, ASCII is copied in runs, and every other byte
// costs a table look-up.
std::size_t cp1252Utf8Size(std::span<const std::uint8_t> bytes) {
    std::size_t size = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t run = asciiRun(bytes, i);
        size += run;
        i += run;
        while (i < bytes.size() && bytes[i] >= 0x80) {
            size += kUtf8Forms[bytes[i]].length;
            ++i;
        }
    }
    return size;
}

void appendCp1252AsUtf8(std::string& out, std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t run = asciiRun(bytes, i);
        out.append(reinterpret_cast<const char*>(bytes.data() + i), run);
        i += run;
        // The non-ASCII bytes of the run that follows, each through the table; ASCII is
        // appended as it is, never written twice.
        std::size_t end = i;
        std::size_t size = 0;
        for (; end < bytes.size() && bytes[end] >= 0x80; ++end) {
            size += kUtf8Forms[bytes[end]].length;
        }
        const std::size_t at = out.size();
        out.resize(at + size);
        char* next = out.data() + at;
        for (; i < end; ++i) {
            const Utf8Form& form = kUtf8Forms[bytes[i]];
            next[0] = form.bytes[0];
            next[1] = form.bytes[1];
            if (form.length == 3) {
                next[2] = form.bytes[2];
            }
            next += form.length;
        }
    }
}

std::string cp1252ToUtf8(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(cp1252Utf8Size(bytes));
    appendCp1252AsUtf8(out, bytes);
    return out;
}

std::optional<std::vector<std::uint8_t>> codePointsToCp1252(std::span<const char32_t> codePoints) {
    std::vector<std::uint8_t> out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints) {
        const std::optional<std::uint8_t> byte = codePointToCp1252(c);
        if (!byte) {
            return std::nullopt;
        }
        out.push_back(*byte);
    }
    return out;
}

std::u16string codePointsToUtf16(std::span<const char32_t> codePoints) {
    std::u16string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints) {
        if (isSurrogate(c) || c > 0x10FFFF) {
            c = kReplacementCharacter;
        }
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 | (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 | (c & 0x3FF)));
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool lowFollows =
            i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
        if (high && lowFollows) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            appendUtf8(out, unit);  // a lone surrogate turns into U+FFFD there
        }
    }
    return out;
}
