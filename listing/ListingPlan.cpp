#include "listing/ListingPlan.h"

#include <array>

#include "document/ContractDocument.h"
#include "document/NumberText.h"
#include "listing/TerminalText.h"

namespace {

using Field = const std::string ContractOffer::*;

struct OfferLine {
    std::string_view label;
    Field field;  // nullptr for the two sub-headings
};

// clang-format off
constexpr std::array<OfferLine, 15> kOfferLines = {{
    {"     Employer:",                   &ContractOffer::employer},
    {"     Assignment:",                 &ContractOffer::assignment},
    {"     Contract Length:",            &ContractOffer::contractLength},
    {"     Payment Mulitplier:",         &ContractOffer::paymentMultiplier},
    {"     Support:",                    nullptr},
    {"     Straight Support:",           &ContractOffer::straightSupport},
    {"     Battle-Loss Compensation:",   &ContractOffer::battleLossCompensation},
    {"     Transport:",                  nullptr},
    {"     DS/JS Compensation:",         &ContractOffer::dsjsCompensation},
    {"     Commercial Compensation:",    &ContractOffer::commercialCompensation},
    {"     Salvage Rights:",             &ContractOffer::salvageRights},
    {"     Command Rights:",             &ContractOffer::commandRights},
    {"     Start Date:",                 &ContractOffer::startDate},
    {"     End Date:",                   &ContractOffer::endDate},
    {"     Location:",                   &ContractOffer::location},
}};

constexpr std::array<std::string_view, 4> kHeaders = {
    "First Contract:", "Second Contract:", "Third Contract:", "Fourth Contract:"};
// clang-format on

static_assert(kOfferLines.size() + 2 == listing::kLinesPerOffer);

}  // namespace

std::string_view offerLineLabel(int offset) {
    return kOfferLines.at(static_cast<std::size_t>(offset - 1)).label;
}

std::string_view offerHeader(int k) {
    return kHeaders.at(static_cast<std::size_t>(k));
}

ListingPlan::ListingPlan(const ContractDocument& doc) : m_countText(formatInt(doc.m_offerCount)) {
    const int offers = doc.visibleOfferCount();
    m_lines.reserve(static_cast<std::size_t>(3 + offers * listing::kLinesPerOffer));
    m_lines.push_back({listing::kRatingLine, "Dragoon's Rating:", std::string_view(doc.m_rating)});
    m_lines.push_back({listing::kCountLine, "Contract Offers:", std::string_view(m_countText)});
    for (int k = 0; k < offers; ++k) {
        const ContractOffer& offer = doc.m_offers[static_cast<std::size_t>(k)];
        const int header = listing::kFirstOfferLine + listing::kLinesPerOffer * k;
        // The blank line before each block: line 3 before the first, 20 + 17(k-1) before others.
        m_lines.push_back({header - 1, {}, std::nullopt});
        m_lines.push_back({header, kHeaders[static_cast<std::size_t>(k)], std::nullopt});
        int number = header;
        for (const OfferLine& line : kOfferLines) {
            ++number;
            std::optional<std::string_view> value;
            if (line.field != nullptr) {
                value = std::string_view(offer.*line.field);
            }
            m_lines.push_back({number, line.label, value});
        }
    }
}

void writeListingText(const ContractDocument& doc,
                      const std::function<void(std::string_view)>& sink, ValueControls controls) {
    static constexpr std::string_view kPadding = "                                   ";
    static_assert(kPadding.size() == listing::kValueColumnChars);
    const ListingPlan plan(doc);
    for (const ListingLine& line : plan.lines()) {
        sink(line.label);
        if (line.value) {
            if (line.label.size() < listing::kValueColumnChars) {
                sink(kPadding.substr(line.label.size()));
            }
            if (controls == ValueControls::Visible) {
                sink(visibleControls(*line.value));
            } else {
                sink(*line.value);
            }
        }
        sink("\n");
    }
}

std::string renderListingText(const ContractDocument& doc, ValueControls controls) {
    std::string out;
    writeListingText(
        doc, [&out](std::string_view piece) { out += piece; }, controls);
    return out;
}
