#include "listing/ListingJson.h"

#include <array>

#include "document/ContractDocument.h"
#include "document/Cp1252.h"
#include "document/NumberText.h"

std::string jsonString(const std::string& text) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            out += text[i++];  // plain ASCII, the common case, needs no decoding
            continue;
        }
        const Utf8Step step = decodeUtf8Step(text, i);
        const char32_t c = step.codePoint;
        if (!step.valid) {
            // Texts from the command line may hold any bytes; JSON must stay UTF-8.
            appendUtf8(out, kReplacementCharacter);
        } else if (c == '"') {
            out += "\\\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            // C1 controls too: a terminal showing the JSON would take them as commands.
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out.append(text, i, step.length);
        }
        i += step.length;
    }
    out += '"';
    return out;
}

std::string renderListingJson(const ContractDocument& doc) {
    std::string out = "{\"rating\": " + jsonString(doc.m_rating) +
                      ", \"offerCount\": " + formatInt(doc.m_offerCount) + ", \"offers\": [";
    for (int k = 0; k < doc.visibleOfferCount(); ++k) {
        const ContractOffer& offer = doc.m_offers[static_cast<std::size_t>(k)];
        out += k == 0 ? "{" : ", {";
        for (std::size_t f = 0; f < ContractOffer::kFieldCount; ++f) {
            if (f != 0) {
                out += ", ";
            }
            out += jsonString(ContractOffer::kFieldNames[f]);
            out += ": ";
            out += jsonString(offer.*ContractOffer::kFields[f]);
        }
        out += "}";
    }
    out += "]}\n";
    return out;
}
