#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "doc/NumberText.h"

namespace {

TEST(ParseNumber, followsTheLongestDecimalPrefix) {
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"100000", 100000.0}, {"100,000", 100.0},  {"1e5", 100000.0},
        {"  2.10x", 2.10},    {"Random", 0.0},     {"", 0.0},
        {"-3.5", -3.5},       {"+4", 4.0},         {".5", 0.5},
        {"5.", 5.0},          {"1e", 1.0},         {"1e+", 1.0},
        {"2E-1", 0.2},        {"-", 0.0},          {".", 0.0},
        {"\t\n 7", 7.0},      {"3.0", 3.0},        {"12.60x Pay", 12.6},
        {"0x10", 0.0},        {"1e400", HUGE_VAL},
    };
    for (const auto& row : rows) {
        EXPECT_DOUBLE_EQ(ParseNumber(row.text), row.value) << row.text;
    }
}

TEST(FormatFixed2, printsTwoDecimalsRoundedFromTheBinaryValue) {
    EXPECT_EQ(FormatFixed2(210000.0), "210000.00");
    EXPECT_EQ(FormatFixed2(0.0), "0.00");
    EXPECT_EQ(FormatFixed2(-1.5), "-1.50");
    EXPECT_EQ(FormatFixed2(3.375), "3.38");  // exact halves round to the even hundredth
    EXPECT_EQ(FormatFixed2(7.875), "7.88");
    EXPECT_EQ(FormatFixed2(1.575), "1.57");  // 1.575 is stored just below the half
}

TEST(FormatFixed2, printsHugeAndNonFiniteAmountsInFull) {
    EXPECT_EQ(FormatFixed2(1e16), "10000000000000000.00");
    EXPECT_EQ(FormatFixed2(-1e20), "-100000000000000000000.00");
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::max()).size(), 309u + 3u);
    EXPECT_EQ(FormatFixed2(HUGE_VAL), "inf");
    EXPECT_EQ(FormatFixed2(-HUGE_VAL), "-inf");
    EXPECT_EQ(FormatFixed2(std::nan("")), "nan");
}

TEST(NumberText, ignoresTheUserLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    }
    EXPECT_EQ(FormatFixed2(210000.0), "210000.00");
    EXPECT_DOUBLE_EQ(ParseNumber("100,000"), 100.0);
    EXPECT_DOUBLE_EQ(ParseNumber("2.5"), 2.5);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
