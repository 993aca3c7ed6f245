#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "document/NumberText.h"

namespace {

TEST(parseNumber, followsTheLongestDecimalPrefix) {
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
        EXPECT_DOUBLE_EQ(parseNumber(row.text), row.value) << row.text;
    }
}

TEST(formatFixed2, printsTwoDecimalsRoundedFromTheBinaryValue) {
    EXPECT_EQ(formatFixed2(210000.0), "210000.00");
    EXPECT_EQ(formatFixed2(0.0), "0.00");
    EXPECT_EQ(formatFixed2(-1.5), "-1.50");
    EXPECT_EQ(formatFixed2(3.375), "3.38");  // exact halves round to the even hundredth
    EXPECT_EQ(formatFixed2(7.875), "7.88");
    EXPECT_EQ(formatFixed2(1.575), "1.57");  // 1.575 is stored just below the half
}

TEST(formatFixed2, printsHugeAndNonFiniteAmountsInFull) {
    EXPECT_EQ(formatFixed2(1e16), "10000000000000000.00");
    EXPECT_EQ(formatFixed2(-1e20), "-100000000000000000000.00");
    EXPECT_EQ(formatFixed2(std::numeric_limits<double>::max()).size(), 309u + 3u);
    EXPECT_EQ(formatFixed2(HUGE_VAL), "inf");
    EXPECT_EQ(formatFixed2(-HUGE_VAL), "-inf");
    EXPECT_EQ(formatFixed2(std::nan("")), "nan");
}

// The fast path must agree with the general conversion everywhere, ties and signs included.
TEST(formatFixed2, agreesWithTheGeneralConversion) {
    auto reference = [](double value) {
        std::array<char, 400> buffer{};
        auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, 2);
        return std::string(buffer.data(), result.ptr);
    };
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> magnitude(-3.0, 15.5);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::pow(10.0, magnitude(random)) * (i % 2 ? -1.0 : 1.0);
        ASSERT_EQ(formatFixed2(value), reference(value)) << value;
    }
    for (double tie : {0.005, 0.015, 0.125, 0.375, 1.005, 2.675, 3.375, 7.875, 1e14 + 0.125, -0.125,
                       -0.0, 999999999999999.875, 0.0049999999999999999}) {
        EXPECT_EQ(formatFixed2(tie), reference(tie)) << tie;
    }
}

// Short decimals take a quicker road; it must give the very same doubles as a full conversion.
TEST(parseNumber, agreesWithTheFullConversion) {
    auto reference = [](const std::string& text) {
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    };
    std::mt19937_64 random(8122026);
    for (int i = 0; i < 200000; ++i) {
        const int whole = static_cast<int>(random() % 16);
        const int decimals = static_cast<int>(random() % 24);
        std::string text;
        for (int d = 0; d < whole; ++d) {
            text += static_cast<char>('0' + random() % 10);
        }
        text += '.';
        for (int d = 0; d < decimals; ++d) {
            text += static_cast<char>('0' + random() % 10);
        }
        if (text == ".") {
            continue;
        }
        ASSERT_EQ(parseNumber(text), reference(text)) << text;
        ASSERT_EQ(parseNumber("-" + text), -reference(text)) << text;
    }
    for (const char* text : {"7.02", "0.1", "2.675", "100000", "999999999999999", "0.3",
                             "9007199254740993", "123456789012345.6", "0.0000000000000000000001"}) {
        EXPECT_EQ(parseNumber(text), reference(text)) << text;
    }
}

// Generation skips reading back a multiplier it has just printed; that is only sound if the
// printed text always reads back as hundredths / 100.
TEST(hundredths, printedHundredthsReadBackExactly) {
    for (long long n = -1000; n <= 2000000; ++n) {
        ASSERT_EQ(parseNumber(formatHundredths(n)), static_cast<double>(n) / 100.0) << n;
    }
    std::mt19937_64 random(42);
    for (int i = 0; i < 100000; ++i) {
        const auto n = static_cast<long long>(random() % 9007199254740992ull);  // below 2^53
        ASSERT_EQ(parseNumber(formatHundredths(n)), static_cast<double>(n) / 100.0) << n;
    }
    EXPECT_EQ(hundredths(12.6), 1260);
    EXPECT_EQ(hundredths(-1.575), -157);
    EXPECT_FALSE(hundredths(1e15));
    EXPECT_FALSE(hundredths(std::nan("")));
    EXPECT_EQ(formatFixed2(-0.001), "-0.00");
}

TEST(NumberText, ignoresTheUserLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    }
    EXPECT_EQ(formatFixed2(210000.0), "210000.00");
    EXPECT_DOUBLE_EQ(parseNumber("100,000"), 100.0);
    EXPECT_DOUBLE_EQ(parseNumber("2.5"), 2.5);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
