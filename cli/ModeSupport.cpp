#include <unistd.h>

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
