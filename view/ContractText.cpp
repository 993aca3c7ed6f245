#include "view/ContractText.h"

#include "doc/ContractOffer.h"
#include "doc/SettingsStore.h"

// Placeholder until the contract clauses are written.
std::string ComposeContractText(const ContractOffer&, SettingsStore&) {
    return {};
}
std::string ContractSignatureBlock() {
    return {};
}
std::string CreditLine() {
    return "Zuvaduro - Mercenary Contract Generator";
}
