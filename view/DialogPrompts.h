#pragma once

#include "view/UiPrompts.h"

class QWidget;

// UiPrompts answered by the program's real dialogs, parented to `parent`.
class DialogPrompts : public UiPrompts {
public:
    explicit DialogPrompts(QWidget* parent) : m_parent(parent) {}

    bool askRating(std::string& rating) override;
    bool askCustom(std::string& rating, OfferChoices& choices) override;
    bool askEdit(const std::string& prompt, std::string& text) override;
    bool askOptions(OptionsValues& values) override;
    bool askContracts(SettingsStore& settings, std::array<bool, 4>& ticked) override;
    bool choosePrinterForListing(QPrinter& printer) override;
    bool choosePrinterForContracts(QPrinter& printer) override;
    bool askOpenPath(QString& path) override;
    bool askSavePath(const QString& proposed, QString& path) override;
    SaveAnswer askSaveChanges(const QString& title) override;
    void warn(const QString& message) override;
    void inform(const QString& message) override;

private:
    QWidget* m_parent;
};
