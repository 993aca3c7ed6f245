#pragma once

#include <QDialog>
#include <array>
#include <string>

class QComboBox;
class QPushButton;

// The ratings the generation dialogs offer; any other text may be typed.
inline constexpr std::array<const char*, 4> kRatingEntries = {"A", "B", "C", "D"};

// "New Random Contract": asks for the unit's rating only. The caller sets `m_rating` before
// running the dialog and reads it after OK; nothing typed is checked.
class NewRandomDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 130;
    static constexpr int kRatingId = 1000;

    explicit NewRandomDialog(QWidget* parent = nullptr);

    std::string m_rating;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
    QComboBox* m_ratingCombo = nullptr;
};
