#include "generate/Dice.h"

#include <array>

#include "document/ContractDocument.h"
#include "generate/RollTable.h"

namespace {

struct RatingModifier {
    std::string_view rating;
    int modifier;
};

// clang-format off
constexpr std::array<RatingModifier, 4> kOfferCountModifiers = {{
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

int rollDice(ContractDocument& doc, DiceSpec dice) {
    int total = 0;
    for (int i = 0; i < dice.count; ++i) {
        total += doc.rollDie(dice.faces);
    }
    return total;
}

int offerCountModifier(std::string_view rating) {
    for (const RatingModifier& row : kOfferCountModifiers) {
        if (rating == row.rating) {
            return row.modifier;
        }
    }
    return 0;
}

int offerCountForTotal(int total) {
    return lookupRange(kOfferCounts, total);
}

// Faces run from 0, not 1: a die of size n has n + 1 outcomes. The modulo's slight bias
// towards low faces belongs to the product's dice and is kept.
int ContractDocument::rollDie(int n) {
    const int r = m_generator.next();
    // The two sizes the tables use get constant divisors, which compile to multiplications;
    // a run rolls some fifty dice.
    switch (n) {
        case 6:
            return r % 7;
        case 3:
            return r % 4;
        default:
            break;
    }
    if (n < 1) {
        return 0;  // a die with one face (or a nonsensical size) always shows 0
    }
    return r % (n + 1);
}

int ContractDocument::rollOfferCount(std::string rating) {
    const int total = rollDice(*this, kTwoDice) + offerCountModifier(rating);
    return offerCountForTotal(total);
}
