#include "view/ListingJson.h"

#include <array>

#include "doc/CRodeDoc.h"
#include "doc/NumberText.h"

std::string JsonString(const std::string& text) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

std::string RenderListingJson(const CRodeDoc& doc) {
    std::string out = "{\"rating\": " + JsonString(doc.m_rating) +
                      ", \"offerCount\": " + FormatInt(doc.m_offerCount) + ", \"offers\": [";
    for (int k = 0; k < doc.VisibleOfferCount(); ++k) {
        const ContractOffer& offer = doc.m_offers[static_cast<std::size_t>(k)];
        out += k == 0 ? "{" : ", {";
        for (std::size_t f = 0; f < ContractOffer::kFieldCount; ++f) {
            if (f != 0) {
                out += ", ";
            }
            out += JsonString(ContractOffer::kFieldNames[f]);
            out += ": ";
            out += JsonString(offer.*ContractOffer::kFields[f]);
        }
        out += "}";
    }
    out += "]}\n";
    return out;
}
