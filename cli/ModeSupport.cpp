#include <unistd.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <string_view>

#include "cli/Modes.h"
#include "document/ContractDocument.h"
#include "document/OfferTerms.h"
#include "listing/ListingJson.h"
#include "listing/ListingPlan.h"
#include "storage/DocumentFile.h"

ChoiceField choiceOption(const std::string& option) {
    for (const OfferChoiceTerm& known : kOfferChoiceTerms) {
        if (known.option == option) {
            return known.choice;
        }
    }
    return nullptr;
}

std::optional<std::string> valueOptionProblem(ModeArguments args, std::size_t at,
                                              std::span<const std::string_view> own) {
    const std::string& option = args[at];
    if (std::ranges::find(own, option) == own.end() && choiceOption(option) == nullptr) {
        return "unknown option '" + option + "'";
    }
    if (at + 1 >= args.size()) {
        return option + " needs a value";
    }
    return std::nullopt;
}

void reportSettingsProblem(const QString& message) {
    std::cerr << "zuvaduro: " << message.toStdString() << "\n";
}

ExitStatus reportFailure(const QString& message) {
    std::cerr << message.toStdString() << "\n";
    return ExitStatus::Failed;
}

bool openWithoutWindow(ContractDocument& doc, const QString& path) {
    doc.resetToUntitled();
    const OpenResult opened = openDocumentFile(doc, path);
    if (opened.status == OpenStatus::Failed) {
        reportFailure(opened.message);
        return false;
    }
    return true;
}

void printDocument(const ContractDocument& doc, bool json, bool explain) {
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
            controls, explain ? RollNotes::With : RollNotes::Without);
    }
    std::cout.flush();
}
