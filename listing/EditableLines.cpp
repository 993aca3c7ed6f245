#include "listing/EditableLines.h"

#include <array>
#include <string_view>

#include "document/ContractDocument.h"
#include "listing/ListingPlan.h"

namespace {

struct EditRow {
    int offset;  // line offset below the offer's header
    std::string ContractOffer::*field;
    std::string_view prompt;
};

// clang-format off
constexpr std::array<EditRow, 13> kEditRows = {{
    {1,  &ContractOffer::employer,               "Employer: "},
    {2,  &ContractOffer::assignment,             "Assignment: "},
    {3,  &ContractOffer::contractLength,         "Length of Contract: "},
    {4,  &ContractOffer::paymentMultiplier,      "Payment Modifier: "},
    {6,  &ContractOffer::straightSupport,        "Straight Support: "},
    {7,  &ContractOffer::battleLossCompensation, "Battle-Loss Compensation: "},
    {9,  &ContractOffer::dsjsCompensation,       "DS/JS Compensation: "},
    {10, &ContractOffer::commercialCompensation, "Commercial Compensation: "},
    {11, &ContractOffer::salvageRights,          "Salvage Rights: "},
    {12, &ContractOffer::commandRights,          "Command Rights: "},
    {13, &ContractOffer::startDate,              "Start Date: "},
    {14, &ContractOffer::endDate,                "End Date: "},
    {15, &ContractOffer::location,               "Location: "},
}};
// clang-format on

// The second offer's length line has always carried a different prompt; users know it so.
constexpr std::string_view kSecondOfferLengthPrompt = "Contract Length: ";

}  // namespace

std::optional<EditableLine> findEditableLine(ContractDocument& doc, int line) {
    if (line == listing::kRatingLine) {
        return EditableLine{&doc.m_rating, "Dragoon's Rating"};
    }
    if (line < listing::kFirstOfferLine || line > listing::kLastTextLine) {
        return std::nullopt;
    }
    const int k = (line - listing::kFirstOfferLine) / listing::kLinesPerOffer;
    const int offset = (line - listing::kFirstOfferLine) % listing::kLinesPerOffer;
    if (doc.m_offerCount < k + 1) {
        return std::nullopt;
    }
    for (const EditRow& row : kEditRows) {
        if (row.offset != offset) {
            continue;
        }
        std::string* field = &(doc.m_offers[static_cast<std::size_t>(k)].*row.field);
        std::string_view label = row.prompt;
        if (k == 1 && row.field == &ContractOffer::contractLength) {
            label = kSecondOfferLengthPrompt;
        }
        return EditableLine{field, std::string(label) + *field};
    }
    return std::nullopt;
}

int lineAtY(int clientY, int scrollY, int lineHeight) {
    if (lineHeight <= 0) {
        return 0;
    }
    const int y = clientY + scrollY;
    // Integer division truncating toward zero, as the click mapping has always done.
    return y / lineHeight;
}
