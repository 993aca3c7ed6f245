#include "generate/OfferCount.h"

#include <array>

#include "generate/Dice.h"
#include "generate/RollTable.h"

namespace {

// clang-format off
constexpr std::array<Keyed<int>, 4> kOfferCountModifiers = {{
    {"A", 5},
    {"B", 3},
    {"C", 2},
    {"D", 1},
}};

constexpr std::array<Range<int>, 5> kOfferCounts = {{
    {kOrLess,  3, 0},
    {4,        5, 1},
    {6,        9, 2},
    {10,      12, 3},
    {13, kOrMore, 4},
}};
// clang-format on

static_assert(coversTotals(kOfferCounts, 0, 17));

}  // namespace

int offerCountModifier(std::string_view rating) {
    return findKeyed(kOfferCountModifiers, rating).value_or(0);
}

int offerCountForTotal(int total) {
    return lookupRange(kOfferCounts, total);
}

int rollOfferCount(Dice& dice, std::string_view rating) {
    return offerCountForTotal(dice.roll(kTwoDice) + offerCountModifier(rating));
}
