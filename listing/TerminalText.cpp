#include "listing/TerminalText.h"

#include <array>

#include "document/Cp1252.h"

namespace {

constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                       '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};

void appendHex(std::string& out, const char* prefix, unsigned value) {
    out += prefix;
    out += kHex[(value >> 4) & 0xF];
    out += kHex[value & 0xF];
}

}  // namespace

std::string visibleControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Step step = decodeUtf8Step(text, i);
        const char32_t c = step.codePoint;
        if (!step.valid) {
            appendHex(out, "\\x", static_cast<unsigned char>(text[i]));
        } else if (c < 0x20 || c == 0x7F) {
            appendHex(out, "\\x", c);
        } else if (c >= 0x80 && c <= 0x9F) {
            appendHex(out, "\\u00", c);
        } else {
            out.append(text.substr(i, step.length));
        }
        i += step.length;
    }
    return out;
}
