#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct ContractOffer;
class SettingsStore;

namespace contract {
// The most characters of one value the contract prints; a longer value ends in "… (cut:
// 209,715,200 characters in all)". About half of what one page's body holds.
inline constexpr std::size_t kLongestValue = 3000;
}  // namespace contract

// Appends the value, or, past contract::kLongestValue characters, its start and how long it was:
// a page shows a few thousand characters in all, its text layout fails on a value of a hundred
// million, and a screen reader gets the line's name in one message of the accessibility bus.
void appendCutValue(std::string& out, std::string_view value);

// The body text of one formal contract: nine numbered clauses filled with the offer's terms and
// the unit's name and size (read from the settings, fifteen underscores when absent). Field texts
// are inserted verbatim, up to contract::kLongestValue characters each; no user text is ever used
// as a format.
std::string composeContractText(const ContractOffer& offer, SettingsStore& settings);

// The signature block printed under every contract.
std::string contractSignatureBlock();

// The one-line credit printed at the foot of every page, listing and contract alike.
std::string creditLine();
