#include "generate/Compensation.h"

#include <string>

#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/RuleLookup.h"
#include "generate/Terms.h"

namespace {

const TransportRow& transportForFace(int face, const RuleSet& rules) {
    const Range<TransportRow>* row = transportRow(face, rules);
    return row != nullptr ? row->value : rules.transportOther;
}

int ratingSupportModifier(std::string_view rating, const RuleSet& rules) {
    return findKeyed(rules.supportRatingModifiers, rating).value_or(0);
}

int employerSupportModifier(std::string_view employer, const RuleSet& rules) {
    return employerFacts(employer, rules).supportModifier;
}

template <typename Record>
const SupportRow& rollSupport(Dice& dice, const Record& record, std::string_view rating,
                              std::string_view employer, const RuleSet& rules) {
    const int roll = dice.roll(kTwoDice);
    const int ratingModifier = ratingSupportModifier(rating, rules);
    const int employerModifier = employerSupportModifier(employer, rules);
    const int total = roll + ratingModifier + employerModifier;
    const SupportRow& terms = lookupRange(rules.supportTable, total);
    record.tell([&](RollRecorder& recorder) {
        if (const int modifier = ratingModifier) {
            recorder.modifier(modifier, "rating", rating);
        }
        if (const int modifier = employerModifier) {
            recorder.modifier(modifier, employer);
        }
        recorder.rolled({}, total, spanOf(lookupRow(rules.supportTable, total)));
    });
    return terms;
}

template <typename Record>
const TransportRow& rollTransport(Dice& dice, const Record& record, const RuleSet& rules) {
    const int face = dice.roll(kOneDie);
    const Range<TransportRow>* row = transportRow(face, rules);
    record.tell([&](RollRecorder& recorder) {
        recorder.rolled({}, face, row != nullptr ? spanOf(*row) : RowSpan{face, face, true});
    });
    return row != nullptr ? row->value : rules.transportOther;
}

}  // namespace

int supportModifier(std::string_view rating, std::string_view employer, const RuleSet& rules) {
    return ratingSupportModifier(rating, rules) + employerSupportModifier(employer, rules);
}

std::string_view straightSupportForTotal(int total, const RuleSet& rules) {
    return lookupRange(rules.supportTable, total).straight;
}

std::string_view battleLossForTotal(int total, const RuleSet& rules) {
    return lookupRange(rules.supportTable, total).battleLoss;
}

std::string_view dsJsForFace(int face, const RuleSet& rules) {
    return transportForFace(face, rules).dsjs;
}

std::string_view commercialForFace(int face, const RuleSet& rules) {
    return transportForFace(face, rules).commercial;
}

std::string_view rollStraightSupport(Dice& dice, std::string_view rating, std::string_view employer,
                                     std::string_view choice, const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::StraightSupport, choice)) {
            return choice;
        }
        return record.result(rollSupport(dice, record, rating, employer, rules).straight);
    });
}

std::string_view rollBattleLossCompensation(Dice& dice, std::string_view rating,
                                            std::string_view employer, std::string_view choice,
                                            const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::BattleLoss, choice)) {
            return choice;
        }
        return record.result(rollSupport(dice, record, rating, employer, rules).battleLoss);
    });
}

std::string_view rollDsJsCompensation(Dice& dice, std::string_view choice, const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::DsJs, choice)) {
            return choice;
        }
        return record.result(rollTransport(dice, record, rules).dsjs);
    });
}

std::string_view rollCommercialCompensation(Dice& dice, std::string_view choice,
                                            const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::string_view {
        if (record.fixedTerm(RolledTerm::Commercial, choice)) {
            return choice;
        }
        return record.result(rollTransport(dice, record, rules).commercial);
    });
}
