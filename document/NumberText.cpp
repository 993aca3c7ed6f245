#include "document/NumberText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The common case, digits with an optional point and at most 15 significant digits and 22
// decimals (multipliers, base pays): the significand and the power of ten are both exact doubles,
// so one correctly rounded division gives the same value as a full conversion.
std::optional<double> parseShortDecimal(std::string_view number) {
    static constexpr std::array<double, 23> kPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint64_t significand = 0;
    int digits = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (const char c : number) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!isDigit(c)) {
            return std::nullopt;  // an exponent: leave it to the full conversion
        }
        if (significand != 0 || c != '0') {
            if (++digits > 15) {
                return std::nullopt;
            }
        }
        significand = significand * 10 + static_cast<std::uint64_t>(c - '0');
        if (afterPoint && ++decimals > 22) {
            return std::nullopt;
        }
    }
    return static_cast<double>(significand) / kPowers[static_cast<std::size_t>(decimals)];
}

}  // namespace

double parseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    std::size_t end = i;
    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            end = j;
        }
    }
    std::string_view number = text.substr(start, end - start);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (const std::optional<double> quick = parseShortDecimal(number)) {
        return negative ? -*quick : *quick;
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Like strtod: overflow gives infinity, underflow gives zero.
        const bool tiny = number.find_first_not_of("0.") != std::string_view::npos &&
                          (number.find("e-") != std::string_view::npos ||
                           number.find("E-") != std::string_view::npos);
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

namespace {

// Amounts below this are formatted through exact integer arithmetic; above it the general
// conversion takes over.
constexpr double kFastLimit = 1e15;

// value * 100 needs at most 53 + 7 bits, so it is exact where long double has a 64-bit or wider
// significand; the rounding decision is then made on the exact value, as "%.2f" does.
constexpr bool kExactScaling = std::numeric_limits<long double>::digits >= 64;

std::string formatFixed2Slow(double value) {
    // 309 integer digits, a sign, a point and two decimals fit every finite double.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 2);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::optional<long long> hundredths(double value) {
    if (!kExactScaling || !(std::fabs(value) < kFastLimit)) {
        return std::nullopt;
    }
    const long double scaled = std::fabs(static_cast<long double>(value)) * 100.0L;
    auto hundredths = static_cast<long long>(scaled);
    const long double rest = scaled - static_cast<long double>(hundredths);
    // Exact halves go to the even hundredth, like the C library's conversion.
    if (rest > 0.5L || (rest == 0.5L && (hundredths & 1) != 0)) {
        ++hundredths;
    }
    return std::signbit(value) ? -hundredths : hundredths;
}

std::string formatHundredths(long long hundredths) {
    // A negative zero amount keeps its sign, as "%.2f" prints it; Hundredths() cannot say so,
    // so formatFixed2 handles that case itself.
    const bool negative = hundredths < 0;
    unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(hundredths)
                                            : static_cast<unsigned long long>(hundredths);
    std::array<char, 32> digits{};
    char* end = digits.data() + digits.size();
    char* p = end;
    *--p = static_cast<char>('0' + magnitude % 10);
    *--p = static_cast<char>('0' + (magnitude / 10) % 10);
    *--p = '.';
    unsigned long long whole = magnitude / 100;
    do {
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative) {
        *--p = '-';
    }
    return std::string(p, end);
}

std::string formatFixed2(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    const std::optional<long long> rounded = hundredths(value);
    if (!rounded) {
        return formatFixed2Slow(value);
    }
    if (*rounded == 0 && std::signbit(value)) {
        return "-0.00";
    }
    return formatHundredths(*rounded);
}

std::optional<std::uint64_t> parseWholeNumber(std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::string formatInt(long long value) {
    return std::to_string(value);
}
