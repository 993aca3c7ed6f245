#include "generate/OfferCount.h"

#include <array>

#include "generate/Dice.h"
#include "generate/RollTable.h"

namespace {

constexpr std::array<std::string_view, 5> kOfferCountTexts = {"no offer", "1 offer", "2 offers",
                                                              "3 offers", "4 offers"};

}  // namespace

int offerCountModifier(std::string_view rating, const RuleSet& rules) {
    return findKeyed(rules.offerCountModifiers, rating).value_or(0);
}

int offerCountForTotal(int total, const RuleSet& rules) {
    return lookupRange(rules.offerCounts, total);
}

int rollOfferCount(Dice& dice, std::string_view rating, const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) {
        // The count is never fixed by a choice.
        record.fixedTerm(RolledTerm::Count, kRandomChoice);
        const int roll = dice.roll(kTwoDice);
        const int modifier = offerCountModifier(rating, rules);
        const int count = offerCountForTotal(roll + modifier, rules);
        record.tell([&](RollRecorder& recorder) {
            if (modifier != 0) {
                recorder.modifier(modifier, "rating", rating);
            }
            recorder.rolled({}, roll + modifier,
                            spanOf(lookupRow(rules.offerCounts, roll + modifier)));
        });
        record.result(kOfferCountTexts[static_cast<std::size_t>(count)]);
        return count;
    });
}
