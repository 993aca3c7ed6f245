#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/CommandLine.h"
#include "document/ContractOffer.h"
#include "storage/QtSettingsStore.h"

class ContractDocument;
struct RuleSet;
class QString;

// The headless modes, each parsing its own arguments (those after the mode's name) and running.

// A mistake on the command line: the table prints it with the usage text and ends with
// ExitStatus::Usage.
struct UsageProblem {
    std::string what;
};
using ModeOutcome = std::variant<ExitStatus, UsageProblem>;

using ModeArguments = std::span<const std::string>;

ModeOutcome runRoll(ModeArguments args);
ModeOutcome runListing(ModeArguments args);
ModeOutcome runExportListing(ModeArguments args);
ModeOutcome runExportContracts(ModeArguments args);
ModeOutcome runExportDetails(ModeArguments args);
ModeOutcome runOdds(ModeArguments args);
ModeOutcome runRulesDump(ModeArguments args);
ModeOutcome runRulesCheck(ModeArguments args);

// ---- shared by the modes ----

// The choice an option such as "--employer" fixes (the eight term options of --roll and --odds),
// or nullptr.
using ChoiceField = std::string OfferChoices::*;
ChoiceField choiceOption(const std::string& option);

// What is wrong with args[at], an option that is not a switch, or nothing: one the mode does not
// take (neither in `own` nor a choice) is unknown wherever it stands, even last; one it takes
// needs a value after it.
std::optional<std::string> valueOptionProblem(ModeArguments args, std::size_t at,
                                              std::span<const std::string_view> own);

// A rules file read for --rules or --rules-check: the rules, or null when the file could not be
// read (`read` false: the reason went to stderr) or was refused (each problem went to
// `problemsOut` as FILE:LINE:COLUMN: message).
struct RulesLoad {
    std::shared_ptr<const RuleSet> rules;
    bool read = false;
};
RulesLoad loadRules(const std::string& path, std::ostream& problemsOut);

// How a headless mode tells of a settings file it keeps as it is: one line on stderr.
void reportSettingsProblem(const QString& message);

// The user's settings, as every headless mode reads them.
class HeadlessSettings : public QtSettingsStore {
public:
    HeadlessSettings() { setProblemReporter(reportSettingsProblem); }
};

// Opens `path` into `doc` as the window opens a file, without a window: the document is reset
// first, and a failure prints the file layer's message on stderr. False on failure.
bool openWithoutWindow(ContractDocument& doc, const QString& path);

// A message of the file layer on stderr; the mode has failed.
ExitStatus reportFailure(const QString& message);

// The listing on stdout: as JSON, or as the listing's text lines (with the roll explained under
// the count and each rolled term when `explain`).
void printDocument(const ContractDocument& doc, bool json, bool explain = false);
