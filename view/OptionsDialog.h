#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

// "Options": the campaign period (shown, not changeable here), the unit's name, base pay and
// size. The caller fills the members before running it and reads them after OK; nothing typed is
// checked.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 136;
    static constexpr int kPeriodId = 1020;
    static constexpr int kUnitNameId = 1021;
    static constexpr int kBasePayId = 1024;
    static constexpr int kUnitSizeId = 1026;

    explicit OptionsDialog(QWidget* parent = nullptr);

    std::string m_unitName;
    std::string m_period;
    std::string m_basePay;
    std::string m_unitSize;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
    QComboBox* m_periodCombo = nullptr;
    QLineEdit* m_unitNameEdit = nullptr;
    QLineEdit* m_basePayEdit = nullptr;
    QLineEdit* m_unitSizeEdit = nullptr;
};
