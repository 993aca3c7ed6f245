#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class SettingsStore;

// "Choose Contracts to Print": one check box per offer, enabled only for the offers the document
// holds (the count the Print Contract command stored in "Int"). All boxes start unticked.
class ContractSelectDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 135;
    static constexpr int kGroupId = 1072;
    static constexpr std::array<int, 4> kCheckIds = {1011, 1013, 1014, 1015};

    explicit ContractSelectDialog(SettingsStore& settings, QWidget* parent = nullptr);

    // Exchanged with the check boxes on OK.
    bool m_printOne = false;
    bool m_printTwo = false;
    bool m_printThree = false;
    bool m_printFour = false;
    int m_availableOffers = 0;

    // The ticks in offer order.
    std::array<bool, 4> ticked() const;

    void accept() override;

protected:
    // Reads "Int" and disables the boxes of offers that do not exist.
    void disableMissingOffers();
    void showEvent(QShowEvent* event) override;

private:
    SettingsStore& m_settings;
    std::array<QCheckBox*, 4> m_checks{};
    QWidget* m_ok = nullptr;
};
