#pragma once

#include <QDialog>
#include <QSize>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// "Edit Information": shows a prompt and one text to overwrite. The caller fills `m_prompt` and
// `m_text` before running it and reads `m_text` after OK, exactly as typed (empty included).
class EditLineDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 138;
    static constexpr int kTextId = 1028;
    static constexpr int kPromptId = 1027;

    explicit EditLineDialog(QWidget* parent = nullptr);

    std::string m_text;
    std::string m_prompt;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void makeRoomForPrompt();

    QLineEdit* m_edit = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    // The template geometry, before a long prompt made room for itself.
    QSize m_templateSize;
    int m_templatePromptHeight = 0;
    int m_templateEditY = 0;
    int m_templateButtonY = 0;
    QLabel* m_promptLabel = nullptr;
};
