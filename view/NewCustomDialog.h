#pragma once

#include <QDialog>
#include <array>
#include <string>

class QComboBox;
class QPushButton;

// "New Custom Contract": the rating plus the eight terms the user may fix for the first offer.
// The caller fills the nine members before running the dialog and reads them after OK. OK
// refuses a rating longer than one character; every other text is taken as typed.
class NewCustomDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 132;
    static constexpr int kRatingId = 1001;
    static constexpr int kEmployerId = 1003;
    static constexpr int kAssignmentId = 1004;
    static constexpr int kContractLengthId = 1005;
    static constexpr int kPaymentMultiplierId = 1006;
    static constexpr int kSupportId = 1007;
    static constexpr int kTransportId = 1008;
    static constexpr int kSalvageRightsId = 1009;
    static constexpr int kCommandRightsId = 1010;
    static constexpr int kComboCount = 9;

    explicit NewCustomDialog(QWidget* parent = nullptr);

    std::string m_assignment;
    std::string m_commandRights;
    std::string m_employer;
    std::string m_contractLength;
    std::string m_paymentMultiplier;
    std::string m_rating;
    std::string m_salvageRights;
    std::string m_support;
    std::string m_transport;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
    std::array<QComboBox*, kComboCount> m_combos{};  // in tab order
};
