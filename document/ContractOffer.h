#pragma once

#include <array>
#include <cstddef>
#include <string>

// The choice text that means "roll this term"; compared byte for byte, case-sensitively.
inline constexpr const char* kRandomChoice = "Random";

// A document holds at most this many offers, and a generation rolls at most this many.
inline constexpr int kMaxOffers = 4;

// One contract offer: thirteen texts. The member order is the listing order and the file order.
struct ContractOffer {
    std::string employer;
    std::string assignment;
    std::string contractLength;
    std::string paymentMultiplier;
    std::string straightSupport;
    std::string battleLossCompensation;
    std::string dsjsCompensation;
    std::string commercialCompensation;
    std::string salvageRights;
    std::string commandRights;
    std::string startDate;
    std::string endDate;
    std::string location;

    static constexpr std::size_t kFieldCount = 13;

    // The fields in file and listing order, so that readers, writers and the listing loop over
    // one table instead of naming thirteen members each.
    static constexpr std::array<std::string ContractOffer::*, kFieldCount> kFields = {
        &ContractOffer::employer,         &ContractOffer::assignment,
        &ContractOffer::contractLength,   &ContractOffer::paymentMultiplier,
        &ContractOffer::straightSupport,  &ContractOffer::battleLossCompensation,
        &ContractOffer::dsjsCompensation, &ContractOffer::commercialCompensation,
        &ContractOffer::salvageRights,    &ContractOffer::commandRights,
        &ContractOffer::startDate,        &ContractOffer::endDate,
        &ContractOffer::location,
    };
    // Their names, labels and prompts: document/OfferTerms.h.

    bool operator==(const ContractOffer&) const = default;
};

// The terms of the first offer that the user may fix in advance; "Random" means roll it.
struct OfferChoices {
    std::string employer = kRandomChoice;
    std::string assignment = kRandomChoice;
    std::string contractLength = kRandomChoice;
    std::string paymentMultiplier = kRandomChoice;
    std::string support = kRandomChoice;    // fixes straight support and battle-loss compensation
    std::string transport = kRandomChoice;  // fixes both transport compensations
    std::string salvageRights = kRandomChoice;
    std::string commandRights = kRandomChoice;

    bool operator==(const OfferChoices&) const = default;
};
