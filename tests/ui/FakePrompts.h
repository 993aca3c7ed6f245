#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "view/UiPrompts.h"

// UiPrompts with scripted answers: each ask records what it was shown and answers from the
// matching member (nullopt = Cancel). Messages are collected instead of shown.
class FakePrompts : public UiPrompts {
public:
    // ---- scripted answers ----
    std::optional<std::string> ratingAnswer;
    std::optional<std::pair<std::string, OfferChoices>> customAnswer;
    std::optional<std::string> editAnswer;
    std::optional<OptionsValues> optionsAnswer;
    std::optional<std::array<bool, 4>> contractsAnswer;
    // Called with the printer when a print dialog would run; return false to cancel. By default
    // the printer is pointed at `pdfPath` (when set) and accepted.
    std::function<bool(QPrinter&)> printerAnswer;
    QString pdfPath;
    std::optional<QString> openAnswer;
    std::optional<QString> saveAnswer;
    SaveAnswer saveChangesAnswer = SaveAnswer::Cancel;

    // ---- what the prompts were shown ----
    std::vector<std::string> ratingsShown;
    std::vector<std::pair<std::string, OfferChoices>> customShown;
    std::vector<std::pair<std::string, std::string>> editsShown;  // prompt, text
    std::vector<OptionsValues> optionsShown;
    int contractsAsked = 0;
    int listingPrintersAsked = 0;
    int contractPrintersAsked = 0;
    int openPathsAsked = 0;
    std::vector<QString> savesProposed;
    QStringList saveChangesAsked;  // the titles "Save changes to ...?" named
    QStringList warnings;
    QStringList informations;

    bool askRating(std::string& rating) override {
        ratingsShown.push_back(rating);
        if (!ratingAnswer) {
            return false;
        }
        rating = *ratingAnswer;
        return true;
    }
    bool askCustom(std::string& rating, OfferChoices& choices) override {
        customShown.emplace_back(rating, choices);
        if (!customAnswer) {
            return false;
        }
        rating = customAnswer->first;
        choices = customAnswer->second;
        return true;
    }
    bool askEdit(const std::string& prompt, std::string& text) override {
        editsShown.emplace_back(prompt, text);
        if (!editAnswer) {
            return false;
        }
        text = *editAnswer;
        return true;
    }
    bool askOptions(OptionsValues& values) override {
        optionsShown.push_back(values);
        if (!optionsAnswer) {
            return false;
        }
        values = *optionsAnswer;
        return true;
    }
    bool askContracts(SettingsStore&, std::array<bool, 4>& ticked) override {
        ++contractsAsked;
        if (!contractsAnswer) {
            return false;
        }
        ticked = *contractsAnswer;
        return true;
    }
    bool choosePrinterForListing(QPrinter& printer) override {
        ++listingPrintersAsked;
        return answerPrinter(printer);
    }
    bool choosePrinterForContracts(QPrinter& printer) override {
        ++contractPrintersAsked;
        return answerPrinter(printer);
    }
    bool askOpenPath(QString& path) override {
        ++openPathsAsked;
        if (!openAnswer) {
            return false;
        }
        path = *openAnswer;
        return true;
    }
    bool askSavePath(const QString& proposed, QString& path) override {
        savesProposed.push_back(proposed);
        if (!saveAnswer) {
            return false;
        }
        path = *saveAnswer;
        return true;
    }
    SaveAnswer askSaveChanges(const QString& title) override {
        saveChangesAsked << title;
        return saveChangesAnswer;
    }
    void warn(const QString& message) override { warnings << message; }
    void inform(const QString& message) override { informations << message; }

private:
    bool answerPrinter(QPrinter& printer) {
        if (printerAnswer) {
            return printerAnswer(printer);
        }
        if (pdfPath.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return true;
    }
};
