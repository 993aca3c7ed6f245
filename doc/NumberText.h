#pragma once

#include <string>
#include <string_view>

// Number <-> text conversions that never depend on the user's locale.

// The C library's text-to-double rule, restricted to decimal numbers: leading white space is
// skipped, then the longest prefix of the form [sign] digits [. digits] [e [sign] digits] is
// converted; a text without such a prefix counts as 0. "100,000" gives 100, "1e5" gives 100000.
double ParseNumber(std::string_view text);

// "%.2f": fixed point, exactly two decimals, no grouping, "-" for negatives, correctly rounded
// from the exact binary value. Never truncated; non-finite values give "inf", "-inf" or "nan".
std::string FormatFixed2(double value);

// "%i".
std::string FormatInt(long long value);
