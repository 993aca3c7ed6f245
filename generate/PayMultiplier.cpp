#include "generate/PayMultiplier.h"

#include <array>

#include "document/NumberText.h"
#include "generate/Dice.h"
#include "generate/EmployerTables.h"
#include "generate/RollTable.h"
#include "generate/Terms.h"

namespace {

// Multiplying by 1 is exact in single and double precision, so "no factor" is written as 1.
constexpr float kNoFactor = 1.0f;
constexpr float kAgainstClansFactor = 2.0f;

// clang-format off
constexpr std::array<Keyed<float>, 3> kBaseByRating = {{
    {"A", 3.0f},
    {"B", 2.7f},
    {"C", 2.4f},
}};
constexpr float kDefaultBase = 2.1f;  // "D" and any other text

constexpr std::array<Keyed<float>, 5> kEmployerFactors = {{
    {kFedCom,     1.3f},
    {kRasalhague, 1.1f},
    {kDraconis,   1.5f},
    {kCapellan,   2.0f},
    {kFreeWorlds, 1.6f},
}};

// Two dice, for "Corp" employers only.
constexpr std::array<Range<float>, 3> kCorpFactors = {{
    {0,   3, kNoFactor},
    {4,   5, 1.4f},
    {6,  12, 1.75f},
}};

constexpr std::array<Keyed<float>, 14> kAssignmentFactors = {{
    {"Cadre Duty",         0.75f},
    {"Defensive Campaign", 1.5f},
    {"Diversionary Raid",  1.8f},
    {"Extraction Raid",    1.4f},
    {"Garrison Duty",      0.9f},
    {"Guerrilla Warfare",  2.1f},
    {"Objective Raid",     1.6f},
    {"Pirate Hunting",     kNoFactor},
    {"Planetary Assault",  1.5f},
    {"Recon Raid",         1.4f},
    {"Relief Duty",        1.3f},
    {"Retainer",           1.3f},
    {"Riot Duty",          kNoFactor},
    {"Security Duty",      1.3f},
}};
// clang-format on

static_assert(coversTotals(kCorpFactors, 0, 12));

// "2.7 rating B"; a rating without a base of its own takes the base of "D".
void recordBase(RollRecorder& recorder, std::string_view rating, float base) {
    if (findKeyed(kBaseByRating, rating) || rating == "D") {
        recorder.factor(base, "rating", rating);
    } else {
        recorder.factor(base, "other rating");
    }
}

// "x 0.9 Garrison Duty", "x 2 against Clans", "x 1 other assignment".
void recordAssignment(RollRecorder& recorder, std::string_view assignment, float factor,
                      bool againstClans) {
    if (againstClans) {
        recorder.factor(kAgainstClansFactor, "against Clans");
    } else if (findKeyed(kAssignmentFactors, assignment)) {
        recorder.factor(factor, assignment);
    } else {
        recorder.factor(factor, "other assignment");
    }
}

}  // namespace

float payBaseFor(std::string_view rating) {
    return findKeyed(kBaseByRating, rating).value_or(kDefaultBase);
}

std::optional<float> namedEmployerPayFactor(std::string_view employer) {
    return findKeyed(kEmployerFactors, employer);
}

float corpPayFactorForRoll(int roll) {
    return lookupRange(kCorpFactors, roll);
}

float assignmentPayFactor(std::string_view assignment) {
    return findKeyed(kAssignmentFactors, assignment).value_or(kNoFactor);
}

double payMultiplierProduct(float base, float employerFactor, float assignmentFactor,
                            bool againstClans) {
    // Stored in single precision before the second factor: this rounding decides several texts.
    const float withEmployer = base * employerFactor;
    const float last = againstClans ? kAgainstClansFactor : assignmentFactor;
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
                                           bool againstClans, std::string_view choice) {
    return withRecord(dice, [&](const auto& record) -> std::optional<long long> {
        if (record.fixedTerm(RolledTerm::Multiplier, choice)) {
            return std::nullopt;
        }
        const float base = payBaseFor(rating);
        record.tell([&](RollRecorder& recorder) { recordBase(recorder, rating, base); });
        float employerFactor = kNoFactor;
        if (const auto named = namedEmployerPayFactor(employer)) {
            employerFactor = *named;
            record.tell([&](RollRecorder& recorder) { recorder.factor(employerFactor, employer); });
        } else if (const EmployerKind kind = kindOfEmployer(employer); kind == EmployerKind::Corp) {
            const int roll = dice.roll(kTwoDice);
            const auto& row = lookupRow(kCorpFactors, roll);
            employerFactor = row.value;
            record.tell([&](RollRecorder& recorder) {
                recorder.rolledFactor(employerFactor, "Corp employer", roll, spanOf(row));
            });
        } else {
            record.tell([&](RollRecorder& recorder) {
                recorder.factor(
                    kNoFactor, kindName(kind),
                    employerInTables(employer) ? "employer" : "employer (not in the tables)");
            });
        }
        const float assignmentFactor = assignmentPayFactor(assignment);
        const double product =
            payMultiplierProduct(base, employerFactor, assignmentFactor, againstClans);
        // Rolled products lie between 1.57 and 12.60, so they always have a hundredths form.
        const long long inHundredths = *hundredths(product);
        record.tell([&](RollRecorder& recorder) {
            recordAssignment(recorder, assignment, assignmentFactor, againstClans);
            recorder.product(formatHundredths(inHundredths));
        });
        return inHundredths;
    });
}
