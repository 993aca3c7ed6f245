#include "generate/PayMultiplier.h"

#include <array>

#include "document/NumberText.h"
#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/RuleLookup.h"
#include "generate/Terms.h"

namespace {

// Multiplying by 1 is exact in single and double precision, so "no factor" is written as 1.
constexpr float kNoFactor = 1.0f;

// "2.7 rating B"; a rating the rules do not list takes their other-rating base.
void recordBase(RollRecorder& recorder, std::string_view rating, float base, const RuleSet& rules) {
    if (findKeyed(rules.payBases, rating)) {
        recorder.factor(base, "rating", rating);
    } else {
        recorder.factor(base, "other rating");
    }
}

// "x 0.9 Garrison Duty", "x 2 against Clans", "x 1 other assignment".
void recordAssignment(RollRecorder& recorder, std::string_view assignment, float factor,
                      bool againstClans, const RuleSet& rules) {
    if (againstClans) {
        recorder.factor(rules.againstClansPayFactor, "against Clans");
    } else if (assignmentFacts(assignment, rules).payFactor) {
        recorder.factor(factor, assignment);
    } else {
        recorder.factor(factor, "other assignment");
    }
}

}  // namespace

float payBaseFor(std::string_view rating, const RuleSet& rules) {
    return findKeyed(rules.payBases, rating).value_or(rules.otherRatingPayBase);
}

std::optional<float> namedEmployerPayFactor(std::string_view employer, const RuleSet& rules) {
    return employerFacts(employer, rules).payFactor;
}

float corpPayFactorForRoll(int roll, const RuleSet& rules) {
    return lookupRange(rules.corpPayFactors, roll);
}

float assignmentPayFactor(std::string_view assignment, const RuleSet& rules) {
    return assignmentFacts(assignment, rules).payFactor.value_or(rules.otherAssignmentPayFactor);
}

double payMultiplierProduct(float base, float employerFactor, float assignmentFactor,
                            bool againstClans, const RuleSet& rules) {
    // Stored in single precision before the second factor: this rounding decides several texts.
    const float withEmployer = base * employerFactor;
    const float last = againstClans ? rules.againstClansPayFactor : assignmentFactor;
    // Two single-precision values multiply exactly in double precision.
    return static_cast<double>(withEmployer) * static_cast<double>(last);
}

void appendPayAmount(std::string& multiplierField, double multiplier, double basePay) {
    multiplierField += "x Pay = (";
    multiplierField += formatFixed2(multiplier * basePay);
    multiplierField += " C-Bills)";
}

std::optional<long long> rollPayMultiplier(Dice& dice, std::string_view rating,
                                           std::string_view employer, std::string_view assignment,
                                           bool againstClans, std::string_view choice,
                                           const RuleSet& rules) {
    return withRecord(dice, [&](const auto& record) -> std::optional<long long> {
        if (record.fixedTerm(RolledTerm::Multiplier, choice)) {
            return std::nullopt;
        }
        const float base = payBaseFor(rating, rules);
        record.tell([&](RollRecorder& recorder) { recordBase(recorder, rating, base, rules); });
        const EmployerFacts facts = employerFacts(employer, rules);
        float employerFactor = kNoFactor;
        if (facts.payFactor) {
            employerFactor = *facts.payFactor;
            record.tell([&](RollRecorder& recorder) { recorder.factor(employerFactor, employer); });
        } else if (facts.kind == EmployerKind::Corp) {
            const int roll = dice.roll(kTwoDice);
            const auto& row = lookupRow(rules.corpPayFactors, roll);
            employerFactor = row.value;
            record.tell([&](RollRecorder& recorder) {
                recorder.rolledFactor(employerFactor, "Corp employer", roll, spanOf(row));
            });
        } else {
            record.tell([&](RollRecorder& recorder) {
                recorder.factor(kNoFactor, kindName(facts.kind),
                                facts.inTables ? "employer" : "employer (not in the tables)");
            });
        }
        const float assignmentFactor = assignmentPayFactor(assignment, rules);
        const double product =
            payMultiplierProduct(base, employerFactor, assignmentFactor, againstClans, rules);
        // The built-in products lie between 1.57 and 12.60; a rules file's factors are checked to
        // keep every product within what hundredths can hold.
        const long long inHundredths = *hundredths(product);
        record.tell([&](RollRecorder& recorder) {
            recordAssignment(recorder, assignment, assignmentFactor, againstClans, rules);
            recorder.product(formatHundredths(inHundredths));
        });
        return inHundredths;
    });
}
