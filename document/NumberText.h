#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number <-> text conversions that never depend on the user's locale.

// The C library's text-to-double rule, restricted to decimal numbers: leading white space is
// skipped, then the longest prefix of the form [sign] digits [. digits] [e [sign] digits] is
// converted; a text without such a prefix counts as 0. "100,000" gives 100, "1e5" gives 100000.
double parseNumber(std::string_view text);

// "%.2f": fixed point, exactly two decimals, no grouping, "-" for negatives, correctly rounded
// from the exact binary value. Never truncated; non-finite values give "inf", "-inf" or "nan".
std::string formatFixed2(double value);

// The value in hundredths, rounded as "%.2f" rounds, for magnitudes below 1e15; nothing for
// larger or non-finite values. formatHundredths(*Hundredths(v)) == formatFixed2(v) (but for a
// negative value that rounds to zero), and for counts of hundredths below 2^53 that text reads
// back with parseNumber as exactly hundredths / 100.0.
std::optional<long long> hundredths(double value);
std::string formatHundredths(long long hundredths);

// A whole number written with decimal digits only (no sign, no blanks), or nothing when the text
// is anything else or the number does not fit in 64 bits.
std::optional<std::uint64_t> parseWholeNumber(std::string_view text);

// "%i".
std::string formatInt(long long value);
