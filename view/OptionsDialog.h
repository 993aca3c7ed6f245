#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>
#include <string>

class DialogUnits;
class QComboBox;
class QLineEdit;
class QPushButton;

// What the offers' pay is computed from when `typed` is stored as the base pay: "read as 100
// C-Bills" for "100,000", the number in `locale`.
QString basePayReading(const QString& typed, const QLocale& locale = QLocale());

// "Options": the campaign period (shown, not changeable here), the unit's name, base pay and
// size, and the rules the offers are rolled with (the built-in tables or a rules file). The caller
// fills the members before running it and reads them after OK; nothing typed is checked.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 136;
    static constexpr int kPeriodId = 1020;
    static constexpr int kUnitNameId = 1021;
    static constexpr int kBasePayId = 1024;
    static constexpr int kUnitSizeId = 1026;
    static constexpr int kBasePayReadingId = 1027;
    static constexpr int kRulesFileId = 1030;
    static constexpr int kChooseRulesId = 1031;
    static constexpr int kBuiltInRulesId = 1032;

    explicit OptionsDialog(QWidget* parent = nullptr);

    std::string m_unitName;
    std::string m_period;
    std::string m_basePay;
    std::string m_unitSize;
    std::string m_rulesFile;  // empty: the built-in tables

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addRulesChoice(const DialogUnits& units);
    void chooseRulesFile();
    void showRules();

    QPushButton* m_ok = nullptr;
    QComboBox* m_periodCombo = nullptr;
    QLineEdit* m_unitNameEdit = nullptr;
    QLineEdit* m_basePayEdit = nullptr;
    QLineEdit* m_unitSizeEdit = nullptr;
    QLineEdit* m_rulesEdit = nullptr;
    std::string m_rulesShown;  // what the dialog holds until OK
};
