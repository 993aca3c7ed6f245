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

constexpr std::array<std::string_view, 5> kOfferCountTexts = {"no offer", "1 offer", "2 offers",
                                                              "3 offers", "4 offers"};

}  // namespace

int offerCountModifier(std::string_view rating) {
    return findKeyed(kOfferCountModifiers, rating).value_or(0);
}

int offerCountForTotal(int total) {
    return lookupRange(kOfferCounts, total);
}

int rollOfferCount(Dice& dice, std::string_view rating) {
    return withRecord(dice, [&](const auto& record) {
        // The count is never fixed by a choice.
        record.fixedTerm(RolledTerm::Count, kRandomChoice);
        const int roll = dice.roll(kTwoDice);
        const int modifier = offerCountModifier(rating);
        const int count = offerCountForTotal(roll + modifier);
        record.tell([&](RollRecorder& recorder) {
            if (modifier != 0) {
                recorder.modifier(modifier, "rating", rating);
            }
            recorder.rolled({}, roll + modifier, spanOf(lookupRow(kOfferCounts, roll + modifier)));
        });
        record.result(kOfferCountTexts[static_cast<std::size_t>(count)]);
        return count;
    });
}
