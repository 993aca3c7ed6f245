#include "cli/CommandLine.h"

#include <array>
#include <iostream>
#include <string_view>

#include "cli/Modes.h"
#include "cli/StandardOutput.h"
#include "listing/TerminalText.h"
#include "storage/AppIdentity.h"
#include "storage/FileError.h"

namespace {

// Which usage text a mode's mistakes are shown with. A PDF export's mistakes list the export
// lines only: the whole text would bury them.
enum class UsageScope { Everything, PdfExports };

struct Mode {
    std::string_view name;
    std::string_view usage;  // the mode's lines of the usage text
    UsageScope mistakes;
    ModeOutcome (*run)(ModeArguments args);
};

ModeOutcome showHelp(ModeArguments args);
ModeOutcome showVersion(ModeArguments args);

// clang-format off
constexpr std::array<Mode, 10> kModes = {{
    {"--roll",
     "  zuvaduro --roll RATING [--seed N] [--base-pay TEXT] [--employer T] [--assignment T]\n"
     "           [--length T] [--multiplier T] [--support T] [--transport T] [--salvage T]\n"
     "           [--command T] [--save FILE] [--rules FILE] [--json] [--explain]\n",
     UsageScope::Everything, &runRoll},
    {"--odds",
     "  zuvaduro --odds RATING [--rolls N] [--seed S] [--threads COUNT] [--json | --csv]\n"
     "           [--rules FILE [--compare]] [the term options of --roll: --employer T ...]\n",
     UsageScope::Everything, &runOdds},
    {"--rules-dump",
     "  zuvaduro --rules-dump\n",
     UsageScope::Everything, &runRulesDump},
    {"--rules-check",
     "  zuvaduro --rules-check FILE\n",
     UsageScope::Everything, &runRulesCheck},
    {"--listing",
     "  zuvaduro --listing FILE [--json]\n",
     UsageScope::Everything, &runListing},
    {"--export-pdf",
     "  zuvaduro --export-pdf OUT.pdf [--page-size A4|Letter] FILE\n",
     UsageScope::PdfExports, &runExportListing},
    {"--export-contracts",
     "  zuvaduro --export-contracts OUT.pdf [--offers 1,3] [--page-size A4|Letter] FILE\n",
     UsageScope::PdfExports, &runExportContracts},
    {"--export-details",
     "  zuvaduro --export-details OUT.pdf [--page-size A4|Letter] FILE\n",
     UsageScope::PdfExports, &runExportDetails},
    {"--help",
     "  zuvaduro --help | --version\n",
     UsageScope::Everything, &showHelp},
    {"--version",
     "",
     UsageScope::Everything, &showVersion},
}};

constexpr std::string_view kWindowUsage =
    "The window (switches may also start with \"-\"):\n"
    "  zuvaduro [FILE]                        start the window, opening FILE\n"
    "  zuvaduro /p FILE                       print FILE's listing on the default printer\n"
    "  zuvaduro /pt FILE PRINTER DRIVER PORT  print FILE's listing on PRINTER\n"
    "  zuvaduro /Unregister                   remove all settings (also /Unregserver)\n"
    "  zuvaduro /Embedding [FILE]             start without the splash (also /Automation)\n"
    "  zuvaduro /dde                          start without a window, for desktop requests\n";
// clang-format on

constexpr std::string_view kSummary =
    "Zuvaduro rolls mercenary contract offers for a unit's rating.\n\n";

std::string usageFor(UsageScope scope) {
    std::string text = "Usage:\n";
    for (const Mode& mode : kModes) {
        if (scope == UsageScope::Everything || mode.mistakes == scope) {
            text += mode.usage;
        }
    }
    if (scope == UsageScope::Everything) {
        text += kWindowUsage;
    }
    return text;
}

int usageError(const std::string& problem, UsageScope scope) {
    // The problem quotes the user's own words, which may hold terminal escapes.
    std::cerr << "zuvaduro: " << visibleControls(problem) << "\n" << usageFor(scope);
    return exitCode(ExitStatus::Usage);
}

// --help and --version stand alone: with anything after them they are no mode at all.
ModeOutcome showHelp(ModeArguments args) {
    if (!args.empty()) {
        return UsageProblem{"unknown mode '--help'"};
    }
    std::cout << kSummary << usageText();
    return ExitStatus::Done;
}

ModeOutcome showVersion(ModeArguments args) {
    if (!args.empty()) {
        return UsageProblem{"unknown mode '--version'"};
    }
    std::cout << "zuvaduro " << ZUVADURO_VERSION << "\n";
    return ExitStatus::Done;
}

}  // namespace

std::string usageText() {
    return usageFor(UsageScope::Everything);
}

bool isHeadlessInvocation(const std::vector<std::string>& args) {
    return !args.empty() && args.front().starts_with("--");
}

int runHeadless(const std::vector<std::string>& args) {
    if (args.empty()) {
        return usageError("no mode given", UsageScope::Everything);
    }
    // Settings live where the window keeps them.
    setApplicationIdentity();
    for (const Mode& mode : kModes) {
        if (args.front() != mode.name) {
            continue;
        }
        StandardOutput output;
        const ModeOutcome outcome = mode.run(ModeArguments(args).subspan(1));
        // Output that never arrived is a failure, whatever the mode made of its work.
        if (const int error = output.finish(); error != 0) {
            std::cerr << "zuvaduro: "
                      << fileErrorMessageFor(error, QStringLiteral("standard output")).toStdString()
                      << "\n";
            return exitCode(ExitStatus::Failed);
        }
        if (const auto* problem = std::get_if<UsageProblem>(&outcome)) {
            return usageError(problem->what, mode.mistakes);
        }
        return exitCode(std::get<ExitStatus>(outcome));
    }
    return usageError("unknown mode '" + args.front() + "'", UsageScope::Everything);
}
