#include <gtest/gtest.h>

#include <array>
#include <string>

#include "generate/Dice.h"
#include "generate/Generator.h"
#include "generate/OfferCount.h"
#include "generate_test_dice.h"

namespace {

// ---- the generator --------------------------------------------------------------------------

TEST(Generator, producesTheKnownSequence) {
    // Worked by hand from state = state * 214013 + 2531011, r = (state >> 16) & 0x7FFF.
    Generator fromZero(0);
    for (int expected : {38, 7719, 21238, 2437, 8855, 11797}) {
        EXPECT_EQ(fromZero.next(), expected);
    }
    Generator other(12345);
    EXPECT_EQ(other.next(), 7584);
    EXPECT_EQ(other.state(), 0x9da03218u);
    EXPECT_EQ(other.next(), 19164);
    EXPECT_EQ(other.state(), 0x4adc687bu);
}

TEST(rollDie, takesOneStepAndReturnsTheRemainder) {
    gentest::SeededDice seeded(0);
    EXPECT_EQ(seeded.dice.rollDie(6), 38 % 7);
    EXPECT_EQ(seeded.dice.rollDie(3), 7719 % 4);
    EXPECT_EQ(seeded.dice.rollDie(6), 21238 % 7);
    EXPECT_EQ(seeded.dice.rollDie(0), 0);
    EXPECT_EQ(seeded.steps(), 4);
}

TEST(rollDie, showsEveryFaceFromZeroAlike) {
    gentest::SeededDice seeded(20260101);
    std::array<int, 7> counts{};
    constexpr int kRolls = 70'000;
    for (int i = 0; i < kRolls; ++i) {
        const int face = seeded.dice.rollDie(6);
        ASSERT_GE(face, 0);
        ASSERT_LE(face, 6);
        ++counts[static_cast<std::size_t>(face)];
    }
    for (int face = 0; face <= 6; ++face) {
        EXPECT_NEAR(counts[static_cast<std::size_t>(face)], kRolls / 7, 500) << "face " << face;
    }
}

// ---- the offer count ------------------------------------------------------------------------

TEST(OfferCount, mapsTotalsAtEveryBoundary) {
    const struct {
        int total;
        int offers;
    } rows[] = {{0, 0},  {3, 0},  {4, 1},  {5, 1},  {6, 2},  {9, 2},
                {10, 3}, {12, 3}, {13, 4}, {17, 4}, {-1, 0}, {40, 4}};
    for (const auto& row : rows) {
        EXPECT_EQ(offerCountForTotal(row.total), row.offers) << "total " << row.total;
    }
}

TEST(OfferCount, modifierComparesTheRatingExactly) {
    const struct {
        const char* rating;
        int modifier;
    } rows[] = {{"A", 5}, {"B", 3}, {"C", 2},  {"D", 1},      {"a", 0},
                {"", 0},  {"E", 0}, {"AA", 0}, {"Random", 0}, {" A", 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(offerCountModifier(row.rating), row.modifier) << '"' << row.rating << '"';
    }
}

TEST(OfferCount, chancesInFortyNinthsMatchTheRatingTable) {
    const struct {
        const char* rating;
        std::array<int, 5> chances;
    } rows[] = {
        {"A", {0, 1, 14, 19, 15}}, {"B", {1, 5, 22, 15, 6}},  {"C", {3, 7, 24, 12, 3}},
        {"D", {6, 9, 24, 9, 1}},   {"d", {10, 11, 22, 6, 0}},
    };
    // Every one of the 49 outcomes of two dice, each through the real roll.
    std::array<std::uint32_t, 49> seeds{};
    for (int a = 0; a <= 6; ++a) {
        for (int b = 0; b <= 6; ++b) {
            seeds[static_cast<std::size_t>(a * 7 + b)] = gentest::seedForRolls({{6, a}, {6, b}});
        }
    }
    for (const auto& row : rows) {
        std::array<int, 5> counts{};
        for (std::uint32_t seed : seeds) {
            gentest::SeededDice seeded(seed);
            const int offers = rollOfferCount(seeded.dice, row.rating);
            ASSERT_GE(offers, 0);
            ASSERT_LE(offers, 4);
            ++counts[static_cast<std::size_t>(offers)];
            EXPECT_EQ(seeded.steps(), 2);
        }
        EXPECT_EQ(counts, row.chances) << "rating " << row.rating;
    }
}

TEST(OfferCount, ratingDReachesFourOffersOnlyOnDoubleSix) {
    gentest::SeededDice high(gentest::seedForRolls(gentest::twoDice(12)));
    EXPECT_EQ(rollOfferCount(high.dice, "D"), 4);
    gentest::SeededDice lower(gentest::seedForRolls(gentest::twoDice(11)));
    EXPECT_EQ(rollOfferCount(lower.dice, "D"), 3);
}

}  // namespace
