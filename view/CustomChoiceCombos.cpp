#include "view/CustomChoiceCombos.h"

#include <QCoreApplication>

#include "view/NewRandomDialog.h"

namespace {

// clang-format off
constexpr std::array<const char*, 37> kEmployerEntries = {
    "Random", "21st Centauri Lancers", "Aldis Industries", "Alphard Trading Corp.",
    "Capellan Confederation", "Ceres Metals", "Circinus Federation (Circinus)",
    "Draconis Combine", "EarthWerks Inc.", "Eridani Light Horse", "Federated Boeing",
    "Federated Commonwealth", "Free Rasalhague Republic", "Free Worlds League",
    "Gray Death Legion", "Ilyrian Battlemechs, Unlimited", "Kali-Yama", "Kallon Industries",
    "Kell Hounds", "Lothian League (Lothario)", "Magistry of Canopus", "Major Corporation",
    "Marion Hegemony (Alphard)", "McCarron's Armored Cavalry", "Mercenary Unit",
    "Mica Majority", "Minor Power", "Nashan Diversified", "Northwind Highlanders",
    "Outworlds Alliance", "Periphery", "Rim Collection", "Snord's Irregulars",
    "St. Ives Compact", "Taurian Concordat", "TharHes Industries", "Wolf's Dragoons",
};

constexpr std::array<const char*, 15> kAssignmentEntries = {
    "Random", "Cadre Duty", "Defensive Campaign", "Diversionary Raid", "Extraction Raid",
    "Garrison Duty", "Guerrilla Warfare", "Objective Raid", "Pirate Hunting",
    "Planetary Assault", "Recon Raid", "Relief Duty", "Retainer", "Riot Duty", "Security Duty",
};

constexpr std::array<const char*, 25> kContractLengthEntries = {
    "Random",
    "1 month", "2 months", "3 months", "4 months", "5 months", "6 months",
    "7 months", "8 months", "9 months", "10 months", "11 months",
    "1 year",
    "1 year, 1 month", "1 year, 2 months", "1 year, 3 months", "1 year, 4 months",
    "1 year, 5 months", "1 year, 6 months", "1 year, 7 months", "1 year, 8 months",
    "1 year, 9 months", "1 year, 10 months", "1 year, 11 months",
    "2 years",
};

constexpr std::array<const char*, 12> kPaymentMultiplierEntries = {
    "Random", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0", "9.0", "10.0", "11.0",
};

constexpr std::array<const char*, 1> kRandomOnly = {"Random"};

constexpr std::array<const char*, 4> kSalvageRightsEntries = {
    "Random", "No Rights", "Exchange Rights", "Full Rights",
};

constexpr std::array<const char*, 5> kCommandRightsEntries = {
    "Random", "Independent Command", "Liason Officer", "House Command", "Integrated Command",
};

constexpr std::array<CustomChoiceCombo, kCustomChoiceComboCount> kCombos = {{
    {"Dragoon's Rating", kRatingEntries, true,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "The unit's rating, A (best) to D: one character. It sets how many offers the unit "
     "receives and how well they pay."),
     nullptr},
    {"Employer", kEmployerEntries, false,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "The first offer's employer. Random rolls it; a picked or typed name is used as it "
     "stands."),
     &OfferChoices::employer},
    {"Assignment", kAssignmentEntries, false,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "The first offer's mission. Random rolls it from the employer's table."),
     &OfferChoices::assignment},
    {"Contract Length", kContractLengthEntries, false,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "The first offer's duration. Random rolls it from the assignment's table."),
     &OfferChoices::contractLength},
    {"Payment Multiplier", kPaymentMultiplierEntries, false,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "The first offer's multiple of the unit's base pay. A typed number such as 5.5 is used "
     "for the pay as it stands."),
     &OfferChoices::paymentMultiplier},
    {"Support %", kRandomOnly, false,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "Fixes both straight support and battle-loss compensation of the first offer, for "
     "example 80%. Random rolls them."),
     &OfferChoices::support},
    {"Transport Compensation", kRandomOnly, false,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "Fixes both transport compensations of the first offer, for example 25%. Random rolls "
     "them."),
     &OfferChoices::transport},
    {"Salvage Rights", kSalvageRightsEntries, false,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "The first offer's salvage rights. Random rolls them from the employer."),
     &OfferChoices::salvageRights},
    {"Command Rights", kCommandRightsEntries, false,
     QT_TRANSLATE_NOOP("NewCustomDialog",
     "The first offer's command arrangement. Random rolls it from the employer."),
     &OfferChoices::commandRights},
}};
// clang-format on

}  // namespace

const std::array<CustomChoiceCombo, kCustomChoiceComboCount>& customChoiceCombos() {
    return kCombos;
}

std::string& customChoiceText(const CustomChoiceCombo& combo, std::string& rating,
                              OfferChoices& choices) {
    return combo.choice == nullptr ? rating : choices.*combo.choice;
}

QString ratingTooLongMessage() {
    return QCoreApplication::translate("NewCustomDialog",
                                       "Please enter no more than %1 characters.")
        .arg(kMaxRatingLength);
}
