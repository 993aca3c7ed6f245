// Feeds arbitrary text to the readers of numbers a user types: whole numbers (the command line's
// counts, seeds and threads, the odds window's seed), decimal numbers (the multiplier and the
// base pay) and the months of a contract length. The command line's own option parsing holds Qt
// strings, so its numbers are fuzzed here through the reader they all share. Besides not
// crashing, each reader must keep what its header promises.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "document/NumberText.h"
#include "listing/OfferPay.h"

namespace {

constexpr int kMostMonths = 9999 * 12 + 9999;
constexpr std::size_t kDigitsThatAlwaysFit = 19;  // 9999999999999999999 < 2^64
constexpr long long kExactHundredths = 1LL << 53;

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A whole number is exactly its digits: it writes back as them (less leading zeros), and every
// text of digits short enough to fit reads.
void checkWholeNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of('0');
    const std::string_view significant =
        first == std::string_view::npos ? std::string_view("0") : text.substr(first);
    if (const std::optional<std::uint64_t> whole = parseWholeNumber(text)) {
        if (std::to_string(*whole) != significant) {
            __builtin_trap();
        }
    } else if (!text.empty() && allDigits(text) && significant.size() <= kDigitsThatAlwaysFit) {
        __builtin_trap();
    }
}

// A number's hundredths, written and read again, are exactly hundredths / 100.
void checkNumber(std::string_view text) {
    const double number = parseNumber(text);
    const std::optional<long long> rounded = hundredths(number);
    if (rounded && std::llabs(*rounded) < kExactHundredths &&
        parseNumber(formatHundredths(*rounded)) != static_cast<double>(*rounded) / 100.0) {
        __builtin_trap();
    }
    if (formatFixed2(number).empty()) {
        __builtin_trap();
    }
}

// A length reads the same in any case, within the limits of its units, and its months written
// as "N months" read back as the same number.
void checkMonths(std::string_view text) {
    const std::optional<int> months = contractMonths(text);
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    if (contractMonths(upper) != months) {
        __builtin_trap();
    }
    if (!months) {
        return;
    }
    if (*months < 0 || *months > kMostMonths) {
        __builtin_trap();
    }
    if (*months <= 9999 && contractMonths(std::to_string(*months) + " months") != months) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkWholeNumber(text);
    checkNumber(text);
    checkMonths(text);
    return 0;
}
