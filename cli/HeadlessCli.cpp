#include "cli/HeadlessCli.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QString>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <map>
#include <optional>

#include "document/ContractDocument.h"
#include "listing/ListingJson.h"
#include "listing/ListingPlan.h"
#include "storage/DocumentFile.h"
#include "storage/QtSettingsStore.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  zuvaduro --roll RATING [--seed N] [--base-pay TEXT] [--employer T] [--assignment T]\n"
    "           [--length T] [--multiplier T] [--support T] [--transport T] [--salvage T]\n"
    "           [--command T] [--save FILE] [--json]\n"
    "  zuvaduro --listing FILE [--json]\n"
    "  zuvaduro --export-pdf OUT.pdf [--page-size A4|Letter] FILE\n"
    "  zuvaduro --export-contracts OUT.pdf [--offers 1,3] [--page-size A4|Letter] FILE\n"
    "  zuvaduro --help | --version\n"
    "The window (switches may also start with \"-\"):\n"
    "  zuvaduro [FILE]                        start the window, opening FILE\n"
    "  zuvaduro /p FILE                       print FILE's listing on the default printer\n"
    "  zuvaduro /pt FILE PRINTER DRIVER PORT  print FILE's listing on PRINTER\n"
    "  zuvaduro /Unregister                   remove all settings (also /Unregserver)\n"
    "  zuvaduro /Embedding [FILE]             start without the splash (also /Automation)\n"
    "  zuvaduro /dde                          start without a window, for desktop requests\n";

constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

// Where each --option of a roll puts its value.
using ChoiceField = std::string OfferChoices::*;
const std::map<std::string, ChoiceField>& choiceOptions() {
    static const std::map<std::string, ChoiceField> options = {
        {"--employer", &OfferChoices::employer},
        {"--assignment", &OfferChoices::assignment},
        {"--length", &OfferChoices::contractLength},
        {"--multiplier", &OfferChoices::paymentMultiplier},
        {"--support", &OfferChoices::support},
        {"--transport", &OfferChoices::transport},
        {"--salvage", &OfferChoices::salvageRights},
        {"--command", &OfferChoices::commandRights},
    };
    return options;
}

struct RollRequest {
    std::string rating;
    std::optional<std::uint32_t> seed;
    std::optional<std::string> basePay;
    OfferChoices choices;
    std::optional<std::string> savePath;
    bool json = false;
};

struct ListingRequest {
    std::string path;
    bool json = false;
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

int usageError(const std::string& problem) {
    std::cerr << "zuvaduro: " << problem << "\n" << kUsage;
    return kExitUsage;
}

std::optional<std::uint32_t> parseSeed(const std::string& text) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

void printDocument(const ContractDocument& doc, bool json) {
    if (json) {
        std::cout << renderListingJson(doc);
    } else {
        // A document's texts may hold escape sequences; a terminal would obey them.
        const ValueControls controls =
            ::isatty(STDOUT_FILENO) ? ValueControls::Visible : ValueControls::AsStored;
        writeListingText(
            doc,
            [](std::string_view piece) {
                std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            },
            controls);
    }
    std::cout.flush();
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int runRoll(const RollRequest& request) {
    QtSettingsStore userSettings;
    userSettings.setProblemReporter(reportSettingsProblem);
    std::optional<BasePayOverride> overridden;
    SettingsStore* store = &userSettings;
    if (request.basePay) {
        store = &overridden.emplace(userSettings, *request.basePay);
    }
    ContractDocument doc(*store);
    if (request.seed) {
        doc.seedGenerator(*request.seed);
    }
    doc.resetToUntitled();
    doc.m_rating = request.rating;
    doc.generateOffers(doc.m_rating, request.choices);
    if (request.savePath) {
        const SaveResult saved = saveDocumentFile(doc, fromUtf8(*request.savePath));
        if (!saved.ok) {
            std::cerr << saved.message.toStdString() << "\n";
            return kExitFileError;
        }
    }
    printDocument(doc, request.json);
    return kExitOk;
}

int runListing(const ListingRequest& request) {
    QtSettingsStore userSettings;
    userSettings.setProblemReporter(reportSettingsProblem);
    ContractDocument doc(userSettings);
    doc.resetToUntitled();
    const OpenResult opened = openDocumentFile(doc, fromUtf8(request.path));
    if (opened.status == OpenStatus::Failed) {
        std::cerr << opened.message.toStdString() << "\n";
        return kExitFileError;
    }
    printDocument(doc, request.json);
    return kExitOk;
}

}  // namespace

const char* usageText() {
    return kUsage;
}

void reportSettingsProblem(const QString& message) {
    std::cerr << "zuvaduro: " << message.toStdString() << "\n";
}

bool isHeadlessInvocation(const std::vector<std::string>& args) {
    return !args.empty() && args.front().starts_with("--");
}

int runHeadless(const std::vector<std::string>& args) {
    if (args.empty()) {
        return usageError("no mode given");
    }
    const std::string& mode = args.front();
    if (mode == "--help" && args.size() == 1) {
        std::cout << "Zuvaduro rolls mercenary contract offers for a unit's rating.\n\n" << kUsage;
        return kExitOk;
    }
    if (mode == "--version" && args.size() == 1) {
        std::cout << "zuvaduro " << ZUVADURO_VERSION << "\n";
        return kExitOk;
    }
    // Settings live where the window keeps them.
    QCoreApplication::setOrganizationName("Rezurudo");
    QCoreApplication::setApplicationName("Zuvaduro");

    if (mode == "--listing") {
        ListingRequest request;
        bool havePath = false;
        for (std::size_t i = 1; i < args.size(); ++i) {
            if (args[i] == "--json") {
                request.json = true;
            } else if (!args[i].starts_with("--") && !havePath) {
                request.path = args[i];
                havePath = true;
            } else {
                return usageError("unexpected argument '" + args[i] + "'");
            }
        }
        if (!havePath) {
            return usageError("--listing needs a FILE");
        }
        return runListing(request);
    }
    if (mode == "--roll") {
        if (args.size() < 2) {
            return usageError("--roll needs a RATING");
        }
        RollRequest request;
        request.rating = args[1];
        for (std::size_t i = 2; i < args.size(); ++i) {
            const std::string& option = args[i];
            if (option == "--json") {
                request.json = true;
                continue;
            }
            if (i + 1 >= args.size()) {
                return usageError(option + " needs a value");
            }
            const std::string& value = args[++i];
            if (option == "--seed") {
                request.seed = parseSeed(value);
                if (!request.seed) {
                    return usageError("--seed takes a whole number from 0 to 4294967295");
                }
            } else if (option == "--base-pay") {
                request.basePay = value;
            } else if (option == "--save") {
                request.savePath = value;
            } else if (auto it = choiceOptions().find(option); it != choiceOptions().end()) {
                request.choices.*(it->second) = value;
            } else {
                return usageError("unknown option '" + option + "'");
            }
        }
        return runRoll(request);
    }
    return usageError("unknown mode '" + mode + "'");
}
