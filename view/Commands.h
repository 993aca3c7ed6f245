#pragma once

#include <optional>
#include <string>

// The view's commands as plain functions over the document session, the settings and the
// prompts, so that they run headless in tests. ListingView's handlers call them. Each change to
// the document is recorded by the session as one undoable step.

class ContractDocument;
class DocumentSession;
class SettingsStore;
class UiPrompts;

// New Random: ask the rating; on OK store it, reset, generate with all terms "Random".
// True when new offers were generated.
bool runNewRandom(DocumentSession& session, UiPrompts& prompts);
// New Custom: ask the rating and the eight choices; on OK store them, reset, generate.
// True when new offers were generated.
bool runNewCustom(DocumentSession& session, UiPrompts& prompts);
// Double-click on listing line `line`: edit that field, or warn "Please Select A Valid Line".
void runLineEdit(DocumentSession& session, UiPrompts& prompts, int line);
// Rolls the term shown on listing line `line` again (see DocumentSession::rollTermAgain).
// False, changing nothing, where the line shows no rolled term of an offer.
bool runRollTermAgain(DocumentSession& session, int line);
// True where runRollTermAgain can roll: a line showing one of an offer's ten rolled terms.
bool canRollTermAgain(const ContractDocument& doc, int line);
// Options: read the four values and the rules file, ask, write the four values back on OK.
// The rules file chosen, when OK chose another one than the settings name (empty: the built-in
// tables); it is the session's to check and remember (DocumentSession::chooseRules).
std::optional<std::string> runOptions(SettingsStore& settings, UiPrompts& prompts);
// Print Contract: reminder, "Int", selection, print dialog, one page per ticked offer;
// nothing at all when no offer is ticked.
void runPrintContract(ContractDocument& doc, UiPrompts& prompts);
