#pragma once

#include <string>
#include <vector>

#include "document/ContractOffer.h"

namespace testsupport {

// A document file built byte by byte, apart from the program's own writer: the year, the 16-bit
// count, the rating, then the 13 texts of each offer given. A text shorter than 255 bytes has a
// one-byte length prefix, a longer one (below 0xFFFE bytes) 0xFF and a 16-bit length.
inline std::string documentFileBytes(const std::string& rating, int count,
                                     const std::vector<ContractOffer>& offers,
                                     const std::string& year = "3055") {
    std::string bytes;
    auto text = [&bytes](const std::string& value) {
        if (value.size() >= 0xFF) {
            bytes += '\xFF';
            bytes += static_cast<char>(value.size() & 0xFF);
            bytes += static_cast<char>((value.size() >> 8) & 0xFF);
        } else {
            bytes += static_cast<char>(value.size());
        }
        bytes += value;
    };
    text(year);
    bytes += static_cast<char>(count & 0xFF);
    bytes += static_cast<char>((count >> 8) & 0xFF);
    text(rating);
    for (const ContractOffer& offer : offers) {
        for (auto field : ContractOffer::kFields) {
            text(offer.*field);
        }
    }
    return bytes;
}

}  // namespace testsupport
