#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "document/ContractOffer.h"

// What a term's texts are: names, or amounts that have an order of their own (the odds show
// amounts in that order, names most common first).
enum class TermValues { Names, Months, Multiplier, Percentage };

// The one table of an offer's fields: every list of terms in the program (the JSON keys, the
// listing's lines and edit prompts, the choices of the command line and of the odds, the details'
// rows, the odds' tabs and the dice's names) is read from here, so a term is named in one place.
struct OfferTerm {
    std::string ContractOffer::*field;
    std::string_view key;      // the field's name: JSON key, odds key, the dice's term name
    std::string_view heading;  // a listing sub-heading on the line before this one, or empty
    std::string_view label;    // the listing's label, indent and colon included
    std::string_view prompt;   // what editing the line asks
    std::string_view name;     // the details' row, the odds' title, the window's commands
    std::string_view tab;      // the odds window's tab; empty for the fields no one rolls
    std::string_view option;   // the New Custom choice that fixes it (--employer); empty likewise
    TermValues values;         // names, or the amount the texts give
};

// clang-format off
inline constexpr std::array<OfferTerm, ContractOffer::kFieldCount> kOfferTerms = {{
//   field                                   key                       heading           label                             prompt                        name                        tab            option          values
    {&ContractOffer::employer,               "employer",               {},               "     Employer:",                 "Employer: ",                 "Employer",                 "Employer",    "--employer",   TermValues::Names},
    {&ContractOffer::assignment,             "assignment",             {},               "     Assignment:",               "Assignment: ",               "Assignment",               "Assignment",  "--assignment", TermValues::Names},
    {&ContractOffer::contractLength,         "contractLength",         {},               "     Contract Length:",          "Length of Contract: ",       "Contract Length",          "Length",      "--length",     TermValues::Months},
    {&ContractOffer::paymentMultiplier,      "paymentMultiplier",      {},               "     Payment Mulitplier:",       "Payment Modifier: ",         "Payment Multiplier",       "Multiplier",  "--multiplier", TermValues::Multiplier},
    {&ContractOffer::straightSupport,        "straightSupport",        "     Support:",   "     Straight Support:",         "Straight Support: ",         "Straight Support",         "Support",     "--support",    TermValues::Percentage},
    {&ContractOffer::battleLossCompensation, "battleLossCompensation", {},               "     Battle-Loss Compensation:", "Battle-Loss Compensation: ", "Battle-Loss Compensation", "Battle Loss", "--support",    TermValues::Percentage},
    {&ContractOffer::dsjsCompensation,       "dsjsCompensation",       "     Transport:", "     DS/JS Compensation:",       "DS/JS Compensation: ",       "DS/JS Compensation",       "DS/JS",       "--transport",  TermValues::Percentage},
    {&ContractOffer::commercialCompensation, "commercialCompensation", {},               "     Commercial Compensation:",  "Commercial Compensation: ",  "Commercial Compensation",  "Commercial",  "--transport",  TermValues::Percentage},
    {&ContractOffer::salvageRights,          "salvageRights",          {},               "     Salvage Rights:",           "Salvage Rights: ",           "Salvage Rights",           "Salvage",     "--salvage",    TermValues::Names},
    {&ContractOffer::commandRights,          "commandRights",          {},               "     Command Rights:",           "Command Rights: ",           "Command Rights",           "Command",     "--command",    TermValues::Names},
    {&ContractOffer::startDate,              "startDate",              {},               "     Start Date:",               "Start Date: ",               "Start Date",               {},            {},             TermValues::Names},
    {&ContractOffer::endDate,                "endDate",                {},               "     End Date:",                 "End Date: ",                 "End Date",                 {},            {},             TermValues::Names},
    {&ContractOffer::location,               "location",               {},               "     Location:",                 "Location: ",                 "Location",                 {},            {},             TermValues::Names},
}};
// clang-format on

// The first ten fields are the terms a generation rolls; the dates and the location are not.
inline constexpr std::size_t kRolledFieldCount = 10;

// The choices of New Custom, --roll and the odds: one fixes one or two terms of the first offer
// (support fixes straight support and battle-loss compensation; transport both transports).
struct OfferChoiceTerm {
    std::string OfferChoices::*choice;
    std::string_view key;     // the odds' JSON key
    std::string_view option;  // the command line's option
    std::string_view label;   // the odds report's heading
};

// clang-format off
inline constexpr std::array<OfferChoiceTerm, 8> kOfferChoiceTerms = {{
    {&OfferChoices::employer,          "employer",          "--employer",   "Employer"},
    {&OfferChoices::assignment,        "assignment",        "--assignment", "Assignment"},
    {&OfferChoices::contractLength,    "contractLength",    "--length",     "Contract Length"},
    {&OfferChoices::paymentMultiplier, "paymentMultiplier", "--multiplier", "Payment Multiplier"},
    {&OfferChoices::support,           "support",           "--support",    "Support"},
    {&OfferChoices::transport,         "transport",         "--transport",  "Transport"},
    {&OfferChoices::salvageRights,     "salvageRights",     "--salvage",    "Salvage Rights"},
    {&OfferChoices::commandRights,     "commandRights",     "--command",    "Command Rights"},
}};
// clang-format on

// The term of `field`, or nullptr for a null field.
constexpr const OfferTerm* offerTerm(std::string ContractOffer::*field) {
    for (const OfferTerm& term : kOfferTerms) {
        if (field != nullptr && term.field == field) {
            return &term;
        }
    }
    return nullptr;
}

namespace offer_terms_checks {
// The table follows the offer's own order, every rolled term and no other names a choice (and
// may be an amount), and
// the choices are the terms' options, once each, in the terms' order.
constexpr bool followsTheOffer() {
    for (std::size_t f = 0; f < ContractOffer::kFieldCount; ++f) {
        if (kOfferTerms[f].field != ContractOffer::kFields[f] ||
            kOfferTerms[f].option.empty() != (f >= kRolledFieldCount) ||
            kOfferTerms[f].tab.empty() != (f >= kRolledFieldCount) ||
            (f >= kRolledFieldCount && kOfferTerms[f].values != TermValues::Names)) {
            return false;
        }
    }
    return true;
}
constexpr bool choicesAreTheOptions() {
    std::size_t choice = 0;
    for (std::size_t f = 0; f < kRolledFieldCount; ++f) {
        if (f > 0 && kOfferTerms[f].option == kOfferTerms[f - 1].option) {
            continue;
        }
        if (choice == kOfferChoiceTerms.size() ||
            kOfferChoiceTerms[choice].option != kOfferTerms[f].option) {
            return false;
        }
        ++choice;
    }
    return choice == kOfferChoiceTerms.size();
}
static_assert(followsTheOffer());
static_assert(choicesAreTheOptions());
}  // namespace offer_terms_checks
