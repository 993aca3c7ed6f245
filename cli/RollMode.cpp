#include <array>
#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>
#include <string_view>

#include "cli/Modes.h"
#include "document/ContractDocument.h"
#include "document/NumberText.h"
#include "document/SettingsStore.h"
#include "generate/DocumentGeneration.h"
#include "generate/Generator.h"
#include "storage/DocumentFile.h"

namespace {

struct RollRequest {
    std::string rating;
    std::optional<std::uint32_t> seed;
    std::optional<std::string> basePay;
    OfferChoices choices;
    std::optional<std::string> savePath;
    std::optional<std::string> rulesPath;
    bool json = false;
    bool explain = false;
};

// A run-only base pay: "Pay" answers the given text, everything else goes to the real store,
// so --base-pay never changes the user's settings.
class BasePayOverride : public SettingsStore {
public:
    BasePayOverride(SettingsStore& inner, std::string pay)
        : m_inner(inner), m_pay(std::move(pay)) {}

    std::string readText(const std::string& section, const std::string& key,
                         const std::string& fallback) override {
        if (section == settings::kSection && key == settings::kPay) {
            return m_pay;
        }
        return m_inner.readText(section, key, fallback);
    }
    bool writeText(const std::string& section, const std::string& key,
                   const std::string& value) override {
        return m_inner.writeText(section, key, value);
    }
    std::int32_t readNumber(const std::string& section, const std::string& key,
                            std::int32_t fallback) override {
        return m_inner.readNumber(section, key, fallback);
    }
    bool writeNumber(const std::string& section, const std::string& key,
                     std::int32_t value) override {
        return m_inner.writeNumber(section, key, value);
    }
    void removeSection(const std::string& section) override { m_inner.removeSection(section); }

private:
    SettingsStore& m_inner;
    std::string m_pay;
};

// The generator's seed is 32 bits wide.
std::optional<std::uint32_t> parseSeed(const std::string& text) {
    const std::optional<std::uint64_t> value = parseWholeNumber(text);
    if (!value || *value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

// The options of --roll that take a value, besides the term choices.
constexpr std::array<std::string_view, 4> kRollValueOptions = {"--seed", "--base-pay", "--save",
                                                               "--rules"};

// Returns the problem, or nothing when the request is complete.
std::optional<std::string> parseRoll(ModeArguments args, RollRequest& request) {
    if (args.empty()) {
        return "--roll needs a RATING";
    }
    request.rating = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--json") {
            request.json = true;
            continue;
        }
        if (option == "--explain") {
            request.explain = true;
            continue;
        }
        if (std::optional<std::string> problem = valueOptionProblem(args, i, kRollValueOptions)) {
            return problem;
        }
        const std::string& value = args[++i];
        if (option == "--seed") {
            request.seed = parseSeed(value);
            if (!request.seed) {
                return "--seed takes a whole number from 0 to 4294967295";
            }
        } else if (option == "--base-pay") {
            request.basePay = value;
        } else if (option == "--save") {
            if (value.empty()) {
                return "--save needs a FILE";
            }
            request.savePath = value;
        } else if (option == "--rules") {
            if (value.empty()) {
                return "--rules needs a FILE";
            }
            request.rulesPath = value;
        } else {
            request.choices.*choiceOption(option) = value;
        }
    }
    return std::nullopt;
}

}  // namespace

ModeOutcome runRoll(ModeArguments args) {
    RollRequest request;
    if (const std::optional<std::string> problem = parseRoll(args, request)) {
        return UsageProblem{*problem};
    }
    // A refused rules file rolls nothing: the roll would not be the one asked for.
    std::shared_ptr<const RuleSet> rules;
    if (request.rulesPath) {
        rules = loadRules(*request.rulesPath, std::cerr).rules;
        if (!rules) {
            return ExitStatus::Usage;
        }
    }
    HeadlessSettings userSettings;
    std::optional<BasePayOverride> overridden;
    SettingsStore* store = &userSettings;
    if (request.basePay) {
        store = &overridden.emplace(userSettings, *request.basePay);
    }
    ContractDocument doc(*store);
    // --roll rolls with a generator of its own, seeded as asked or from the clock.
    Generator generator(request.seed ? *request.seed : generatorSeedFromClock());
    doc.resetToUntitled();
    doc.m_rating = request.rating;
    DocumentContent content = doc.content();
    generateOffers(content, content.rating, request.choices, doc.basePay(),
                   rules ? *rules : builtInRules(), generator);
    doc.setContent(std::move(content));
    if (request.savePath) {
        const std::string& path = *request.savePath;
        const SaveResult saved = saveDocumentFile(
            doc, QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
        if (!saved.ok) {
            return reportFailure(saved.message);
        }
    }
    printDocument(doc, request.json, request.explain);
    return ExitStatus::Done;
}
