#pragma once

#include <string>

struct ContractOffer;
class SettingsStore;

// The body text of one formal contract: nine numbered clauses filled with the offer's terms and
// the unit's name and size (read from the settings, fifteen underscores when absent). Field texts
// are inserted verbatim; no user text is ever used as a format.
std::string composeContractText(const ContractOffer& offer, SettingsStore& settings);

// The signature block printed under every contract.
std::string contractSignatureBlock();

// The one-line credit printed at the foot of every page, listing and contract alike.
std::string creditLine();
