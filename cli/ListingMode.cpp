#include "cli/Modes.h"
#include "document/ContractDocument.h"

ModeOutcome runListing(ModeArguments args) {
    std::string path;
    bool json = false;
    bool havePath = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (!arg.starts_with("--") && !havePath) {
            path = arg;
            havePath = true;
        } else {
            return UsageProblem{"unexpected argument '" + arg + "'"};
        }
    }
    if (!havePath || path.empty()) {
        return UsageProblem{"--listing needs a FILE"};
    }
    HeadlessSettings userSettings;
    ContractDocument doc(userSettings);
    if (!openWithoutWindow(doc,
                           QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())))) {
        return ExitStatus::Failed;
    }
    printDocument(doc, json);
    return ExitStatus::Done;
}
