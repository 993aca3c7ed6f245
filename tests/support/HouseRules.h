#pragma once

#include <string>

#include "rules/RulesFile.h"

namespace testsupport {

// The built-in tables as a rules file named "Clan Invasion" whose salvage table gives "Salvage
// Shares" where the built-in one gives "Full Rights": every roll that reaches that row differs.
inline std::string houseRulesText() {
    std::string text = dumpRules(builtInRules());
    const auto replace = [&text](const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
    };
    // The dump's own name line, whatever name it gives.
    const std::size_t name = text.find("\nname = \"") + 1;
    text.replace(name, text.find('\n', name) - name, "name = \"Clan Invasion\"");
    replace("high = \"or more\", value = \"Full Rights\"",
            "high = \"or more\", value = \"Salvage Shares\"");
    return text;
}

}  // namespace testsupport
