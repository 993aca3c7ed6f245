#include "listing/ContractText.h"

#include <array>

#include "document/ContractOffer.h"
#include "document/Cp1252.h"
#include "document/SettingsStore.h"
#include "listing/ContractPieces.h"

namespace {

struct UnitTexts {
    std::string name;
    std::string size;
};

// The offer field behind each ContractValue, in enum order; the two unit values come from the
// settings instead and have no field.
// clang-format off
constexpr std::array<std::string ContractOffer::*, 15> kOfferField = {
    &ContractOffer::employer,         nullptr /* UnitName */,
    &ContractOffer::assignment,       nullptr /* UnitSize */,
    &ContractOffer::contractLength,   &ContractOffer::startDate,
    &ContractOffer::endDate,          &ContractOffer::location,
    &ContractOffer::paymentMultiplier, &ContractOffer::commandRights,
    &ContractOffer::commercialCompensation, &ContractOffer::dsjsCompensation,
    &ContractOffer::straightSupport,  &ContractOffer::battleLossCompensation,
    &ContractOffer::salvageRights,
};
// clang-format on
static_assert(static_cast<std::size_t>(ContractValue::SalvageRights) + 1 == kOfferField.size());

const std::string& valueText(ContractValue value, const ContractOffer& offer,
                             const UnitTexts& unit) {
    switch (value) {
        case ContractValue::UnitName:
            return unit.name;
        case ContractValue::UnitSize:
            return unit.size;
        default:
            return offer.*kOfferField[static_cast<std::size_t>(value)];
    }
}

// Writes 209715200 as "209,715,200".
std::string groupedDigits(std::size_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, 1, ',');
    }
    return digits;
}

// Copies the piece, putting each value where its "%s" stands. The scan runs over the piece only,
// never over what was already inserted, so a '%' in a field is printed as typed.
void appendPiece(std::string& out, const ContractPiece& piece, const ContractOffer& offer,
                 const UnitTexts& unit) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < piece.valueCount; ++i) {
        const std::size_t at = piece.text.find(contract::kPlaceholder, from);
        out.append(piece.text.substr(from, at - from));
        appendCutValue(out, valueText(piece.values[i], offer, unit));
        from = at + contract::kPlaceholder.size();
    }
    out.append(piece.text.substr(from));
}

}  // namespace

std::string composeContractText(const ContractOffer& offer, SettingsStore& settings) {
    const UnitTexts unit{
        settings.readText(settings::kSection, settings::kUnitName, settings::kUnitBlankForContract),
        settings.readText(settings::kSection, settings::kUnitSize, settings::kUnitBlankForContract),
    };
    std::string text;
    for (const ContractPiece& piece : contract::kBodyPieces) {
        appendPiece(text, piece, offer, unit);
    }
    return text;
}

std::string contractSignatureBlock() {
    std::string block;
    for (std::string_view piece : contract::kSignaturePieces) {
        block.append(piece);
    }
    return block;
}

std::string creditLine() {
    return "Printed by Zuvaduro, the mercenary contract generator";
}

void appendCutValue(std::string& out, std::string_view value) {
    std::size_t characters = 0;
    std::size_t cut = value.size();
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (isUtf8Continuation(value[i])) {
            continue;
        }
        if (characters == contract::kLongestValue) {
            cut = i;
        }
        ++characters;
    }
    out.append(value.substr(0, cut));
    if (cut < value.size()) {
        out.append("\xE2\x80\xA6 (cut: " + groupedDigits(characters) + " characters in all)");
    }
}
