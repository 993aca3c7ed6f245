#include "generate/Compensation.h"

#include <array>
#include <string>

#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/Terms.h"

namespace {

struct SupportTerms {
    std::string_view straight;
    std::string_view battleLoss;
};

struct TransportRow {
    int face;
    std::string_view dsjs;
    std::string_view commercial;
};

// clang-format off
constexpr std::array<Keyed<int>, 3> kSupportModifiers = {{
    {"A", 2},
    {"B", 1},
    {"C", 1},
}};
constexpr int kFreeWorldsSupportBonus = 3;

constexpr std::array<Range<SupportTerms>, 9> kSupportTable = {{
    //                 straight  battle-loss
    {kOrLess,  3,     {"50%",    "5%"}},
    {4,        5,     {"55%",    "10%"}},
    {6,        7,     {"60%",    "15%"}},
    {8,        9,     {"65%",    "20%"}},
    {10,      10,     {"70%",    "25%"}},
    {11,      11,     {"75%",    "30%"}},
    {12,      12,     {"85%",    "35%"}},
    {13,      13,     {"90%",    "40%"}},
    {14, kOrMore,     {"100%",   "50%"}},
}};

// One die; faces not listed (0 and 6) give the last row.
constexpr std::array<TransportRow, 5> kTransportTable = {{
    //  DS/JS  commercial
    {1, "12%", "30%"},
    {2, "18%", "33%"},
    {3, "23%", "35%"},
    {4, "27%", "37%"},
    {5, "30%", "39%"},
}};
constexpr TransportRow kTransportOther = {-1, "32%", "40%"};
// clang-format on

static_assert(coversTotals(kSupportTable, 0, 17));

const TransportRow& transportForFace(int face) {
    for (const TransportRow& row : kTransportTable) {
        if (row.face == face) {
            return row;
        }
    }
    return kTransportOther;
}

int ratingSupportModifier(std::string_view rating) {
    return findKeyed(kSupportModifiers, rating).value_or(0);
}

int employerSupportModifier(std::string_view employer) {
    return employer == kFreeWorlds ? kFreeWorldsSupportBonus : 0;
}

template <typename Record>
const SupportTerms& rollSupport(Dice& dice, const Record& record, std::string_view rating,
                                std::string_view employer) {
    const int roll = dice.roll(kTwoDice);
    const int total = roll + supportModifier(rating, employer);
    const SupportTerms& terms = lookupRange(kSupportTable, total);
    record.tell([&](RollRecorder& recorder) {
        if (const int modifier = ratingSupportModifier(rating)) {
            recorder.modifier(modifier, "rating", rating);
        }
        if (const int modifier = employerSupportModifier(employer)) {
            recorder.modifier(modifier, employer);
        }
        recorder.rolled({}, total, spanOf(lookupRow(kSupportTable, total)));
    });
    return terms;
}

template <typename Record>
const TransportRow& rollTransport(Dice& dice, const Record& record) {
    const int face = dice.roll(kOneDie);
    const TransportRow& row = transportForFace(face);
    record.tell([&](RollRecorder& recorder) {
        recorder.rolled({}, face, {face, face, &row == &kTransportOther});
    });
    return row;
}

}  // namespace

int supportModifier(std::string_view rating, std::string_view employer) {
    return ratingSupportModifier(rating) + employerSupportModifier(employer);
}

std::string_view straightSupportForTotal(int total) {
    return lookupRange(kSupportTable, total).straight;
}

std::string_view battleLossForTotal(int total) {
    return lookupRange(kSupportTable, total).battleLoss;
}

std::string_view dsJsForFace(int face) {
    return transportForFace(face).dsjs;
}

std::string_view commercialForFace(int face) {
    return transportForFace(face).commercial;
}

std::string_view rollStraightSupport(Dice& dice, std::string_view rating, std::string_view employer,
                                     std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::StraightSupport, choice)) {
            return choice;
        }
        return record.result(rollSupport(dice, record, rating, employer).straight);
    });
}

std::string_view rollBattleLossCompensation(Dice& dice, std::string_view rating,
                                            std::string_view employer, std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::BattleLoss, choice)) {
            return choice;
        }
        return record.result(rollSupport(dice, record, rating, employer).battleLoss);
    });
}

std::string_view rollDsJsCompensation(Dice& dice, std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::DsJs, choice)) {
            return choice;
        }
        return record.result(rollTransport(dice, record).dsjs);
    });
}

std::string_view rollCommercialCompensation(Dice& dice, std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Commercial, choice)) {
            return choice;
        }
        return record.result(rollTransport(dice, record).commercial);
    });
}
