// Feeds arbitrary bytes to the rules reader. Whatever it accepts must roll without a fault (every
// total a table is asked for is covered, every row that leads on ends somewhere) and must be
// written and read back to the same tables.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "document/DocumentContent.h"
#include "generate/DocumentGeneration.h"
#include "generate/Generator.h"
#include "rules/RulesFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RulesReadResult first =
        readRules(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto* rules = std::get_if<RuleSet>(&first);
    if (rules == nullptr) {
        return 0;
    }
    for (std::uint32_t seed = 0; seed < 64; ++seed) {
        DocumentContent content;
        content.rating = seed % 2 == 0 ? "A" : "Green";
        Generator generator(seed);
        generateOffers(content, content.rating, OfferChoices{}, 1000.0, *rules, generator);
        for (int k = 0; k < content.offerCount; ++k) {
            rollTermAgain(content, k, &ContractOffer::paymentMultiplier, 1000.0, *rules, generator);
        }
    }
    const RulesReadResult second = readRules(dumpRules(*rules));
    const auto* again = std::get_if<RuleSet>(&second);
    if (again == nullptr || !(*again == *rules)) {
        __builtin_trap();
    }
    return 0;
}
