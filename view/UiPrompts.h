#pragma once

#include <array>
#include <string>

#include <QString>

#include "document/ContractOffer.h"
#include "session/FileFlow.h"

class QPrinter;
class SettingsStore;

// The values of the Options dialog, as texts.
struct OptionsValues {
    std::string period;
    std::string basePay;
    std::string unitName;
    std::string unitSize;
    std::string rulesFile;  // empty: the built-in tables
    bool operator==(const OptionsValues&) const = default;
};

// Everything a command asks the user goes through here: real dialogs in the program, scripted
// answers in tests. Each ask returns true for OK and false for Cancel (or a dialog that could not
// be shown); the in/out arguments hold what the dialog shows on entry and what it holds on OK.
class UiPrompts {
public:
    virtual ~UiPrompts() = default;

    // ---- generation and editing ----
    virtual bool askRating(std::string& rating) = 0;
    virtual bool askCustom(std::string& rating, OfferChoices& choices) = 0;
    virtual bool askEdit(const std::string& prompt, std::string& text) = 0;
    virtual bool askOptions(OptionsValues& values) = 0;

    // ---- printing ----
    // The contract selection dialog; it reads the available offer count ("Int") itself.
    virtual bool askContracts(SettingsStore& settings, std::array<bool, 4>& ticked) = 0;
    // The print dialog for the listing (one page) or the contracts (page range 1..1).
    virtual bool choosePrinterForListing(QPrinter& printer) = 0;
    virtual bool choosePrinterForContracts(QPrinter& printer) = 0;

    // ---- files ----
    virtual bool askOpenPath(QString& path) = 0;
    virtual bool askSavePath(const QString& proposed, QString& path) = 0;
    // Asked before unsaved changes would be replaced or closed; a dialog that cannot be shown
    // answers Cancel.
    virtual SaveAnswer askSaveChanges(const QString& title) = 0;

    // ---- messages: warning icon, one OK button, titled "Zuvaduro" ----
    virtual void warn(const QString& message) = 0;
    virtual void inform(const QString& message) = 0;
};
