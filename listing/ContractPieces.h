#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The formal contract's wording: 31 body pieces and the four signature pieces. Each piece carries
// a fixed number that names it; the pieces stand in contract order, not in number order. Every
// "%s" in a piece takes one value, in order; the pieces hold no other '%', so a value is never
// read as a format (see composeContractText).

// Where a "%s" takes its value from: a field of the offer being printed or a unit setting.
enum class ContractValue {
    Employer,
    UnitName,
    Assignment,
    UnitSize,
    ContractLength,
    StartDate,
    EndDate,
    Location,
    PaymentMultiplier,
    CommandRights,
    CommercialCompensation,
    DsJsCompensation,
    StraightSupport,
    BattleLossCompensation,
    SalvageRights,
};

struct ContractPiece {
    int number;
    std::string_view text;
    std::size_t valueCount;
    std::array<ContractValue, 3> values;  // the first valueCount are used
};

namespace contract {

inline constexpr std::string_view kTitle = "Mercenary Contract";
inline constexpr std::string_view kPlaceholder = "%s";

using V = ContractValue;

// clang-format off
inline constexpr std::array<ContractPiece, 31> kBodyPieces = {{
    {129, "\n\nThis agreement, executed between %s (hereafter designated \"Employer\") and %s "
          "(hereafter designated \"Unit\"),",
          2, {V::Employer, V::UnitName}},
    {130, " provides for the employment of the Unit, with its military and support forces, in the "
          "service of the Employer.", 0, {}},
    {141, "  This employment is subject to the terms and conditions set out below.", 0, {}},
    {142, "\n\nI. Mission:  The Unit is engaged to carry out a mission planned and assigned by the "
          "Employer,", 0, {}},
    {143, " defined as a %s mission under the conventions and usages of contemporay military "
          "terminology.", 1, {V::Assignment}},
    {144, "  The Unit shall conduct every operation within the framework of this mission and "
          "shall serve the general interests and needs of the Employer", 0, {}},
    {145, " in all its undertakings.  Should the Unit be hired on retainer, the following types "
          "of mission are", 0, {}},
    {146, " excluded for the length of service: _________________________________", 0, {}},
    {131, "\n\nII. Forces:  The Unit agrees to provide combat and support forces estimated at %s "
          "of combat and/or combat support", 1, {V::UnitSize}},
    {147, " troops as of the date on which this contract takes effect.  The Employer may "
          "terminate this agreement if the forces actually mustered on that date", 0, {}},
    {148, " amount to 75 percent or less of the forces first estimated,", 0, {}},
    {149, " or exceed the agreed strength by more than 10 percent, unless the excess troops serve "
          "for no more money than", 0, {}},
    {150, " was first designated in this agreement.\n\nIII. Length of Service:  This contract "
          "will remain in effect for ", 0, {}},
    {132, "%s commencing on %s and concluding on %s.  On the commencement date, the Unit agrees",
          3, {V::ContractLength, V::StartDate, V::EndDate}},
    {151, " to be located on %s; if the Unit fails to appear by said date, Unit shall religuish "
          "5 percent of its fee.", 1, {V::Location}},
    {152, "  On termination of this contract the Unit is discharged from all duties and "
          "responsibilities to the employer, unless", 0, {}},
    {133, " discharge is superceded by a fresh agreement.\n\nIV: Remuneration:  The Employer "
          "agrees to pay %s", 1, {V::PaymentMultiplier}},
    {153, " C-Bill equivalents per month to the Unit.  This sum shall be paid out in the "
          "following manner:", 0, {}},
    {134, "\n\nV. Command Rights:  The Unit places itself under the overall direction of the "
          "Employer.  The Employer", 0, {}},
    {154, " will implement this direction through the assignment of a %s to the unit for the "
          "period of the contract.  The Unit is", 1, {V::CommandRights}},
    {155, " guaranteed to retain the internal coherence and consistency of its command structure "
          "within the usual limits of this assigned", 0, {}},
    {135, " command status.\n\nVI. Transport:  The Employer shall provide the interstellar "
          "and/or interplanetary transport of the", 0, {}},
    {156, " Unit. %s of the commercial interstellar transport, and %s of the estimated "
          "interplanetary transport.  The Employer shall pay",
          2, {V::CommercialCompensation, V::CommercialCompensation}},
    {157, " the Unit %s to reimburse Unit for providing transport for the Unit or any part "
          "thereof.", 1, {V::DsJsCompensation}},
    {136, "\n\nVII. Supply:  The Employer shall provide the logistical support of the Unit.  The "
          "Employer will reimburse the", 0, {}},
    {158, " Unit for the amount of %s if the Unit provides its own supplies.  Resupply of "
          "munitions and other specific battlefield", 1, {V::StraightSupport}},
    {159, " materiel after each major battle or campaign shall consist of %s  over and above said "
          "supply requirements.", 1, {V::BattleLossCompensation}},
    {137, "\n\nVIII. Salvage Rights:  All equipment, vehicles and other war materiel that the Unit "
          "recovers from enemy forces, depots,", 0, {}},
    {160, " garrisons, industrial or civil centers, prisoners or any other source shall be "
          "subject to the following claims and terms of", 0, {}},
    {138, " division:  %s\n\nIX. Other Terms:  Other terms of this contract, agreed to by both "
          "parties, shall be negotiated on a case by", 1, {V::SalvageRights}},
    {161, " case basis and attached to this document as riders, each one individually signed "
          "and witnessed.", 0, {}},
}};

inline constexpr std::array<std::string_view, 4> kSignaturePieces = {
    // 139
    "\n\nSigned at ________________ on this _____ day of _____________, in the year ______",
    // 162
    "\n__________________________\nCommanding _______________\nSigned at ________________ on "
    "this _____ day of _____________,",
    // 163
    " in the year ______\n__________________________\nCommanding _______________\nWitnessed by: "
    "____________",
    // 164
    "\n__________________________\n__________________________",
};
// clang-format on

// A piece is sound when its "%s" count matches its value list and it holds no other '%'.
constexpr bool pieceIsSound(const ContractPiece& piece) {
    std::size_t placeholders = 0;
    for (std::size_t i = 0; i < piece.text.size(); ++i) {
        if (piece.text[i] != '%') {
            continue;
        }
        if (i + 1 >= piece.text.size() || piece.text[i + 1] != 's') {
            return false;
        }
        ++placeholders;
        ++i;
    }
    return placeholders == piece.valueCount && piece.valueCount <= piece.values.size();
}

constexpr bool allPiecesSound() {
    for (const ContractPiece& piece : kBodyPieces) {
        if (!pieceIsSound(piece)) {
            return false;
        }
    }
    for (std::string_view piece : kSignaturePieces) {
        if (piece.find('%') != std::string_view::npos) {
            return false;
        }
    }
    return true;
}
static_assert(allPiecesSound(), "every %s needs exactly one value, and nothing else may be a %");
static_assert(kBodyPieces.front().number == 129 && kBodyPieces.back().number == 161);

}  // namespace contract
