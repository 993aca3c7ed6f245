#include "view/EditLineDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "view/ComboExchange.h"
#include "view/DialogControls.h"

EditLineDialog::EditLineDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(controlName(kTemplateId));
    setUpModalDialog(*this, tr("Edit Information"), true);
    setWhatsThis(
        tr("Overwrites one line of the offer listing. The text is kept exactly as "
           "typed."));
    const DialogUnits units(font());

    // Created in tab order: the text first, so typing starts at once.
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(controlName(kTextId));
    m_edit->setMaxLength(kUnlimitedTextLength);
    placeControl(*m_edit, units, {7, 40, 170, 14});
    m_edit->setWhatsThis(
        tr("The new text of the line. Nothing is checked: an empty text "
           "empties the line."));

    const OkCancel buttons =
        addOkCancel(*this, units, {30, 65}, {105, 65}, tr("Stores the text in the listing."),
                    tr("Leaves the line as it was."));
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;

    // The prompt holds the current value too, which can be long: it wraps, and a prompt of more
    // than two lines pushes the edit box and the buttons down (makeRoomForPrompt).
    m_promptLabel =
        addStaticText(*this, units, kPromptId, tr("Text to be changed"), {10, 15, 165, 20});
    m_promptLabel->setWordWrap(true);
    // No buddy: the prompt carries the field's text, whose "&" must show as typed rather than
    // turn into a keyboard shortcut.
    m_promptLabel->setWhatsThis(tr("The line being changed and its current text."));

    finishDialogGeometry(*this, units, 186, 95);
    m_templateSize = size();
    m_templatePromptHeight = m_promptLabel->height();
    m_templateEditY = m_edit->y();
    m_templateButtonY = m_ok->y();
}

void EditLineDialog::makeRoomForPrompt() {
    const int needed = m_promptLabel->heightForWidth(m_promptLabel->width());
    const int extra = std::max(0, needed - m_templatePromptHeight);
    m_promptLabel->resize(m_promptLabel->width(), m_templatePromptHeight + extra);
    m_edit->move(m_edit->x(), m_templateEditY + extra);
    m_ok->move(m_ok->x(), m_templateButtonY + extra);
    m_cancel->move(m_cancel->x(), m_templateButtonY + extra);
    setFixedSize(m_templateSize.width(), m_templateSize.height() + extra);
}

void EditLineDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        m_promptLabel->setText(toDialogText(m_prompt));
        makeRoomForPrompt();
        m_edit->setAccessibleName(toDialogText(m_prompt));
        m_edit->setText(toDialogText(m_text));
        m_edit->selectAll();
        m_edit->setFocus();
    }
    QDialog::showEvent(event);
}

void EditLineDialog::accept() {
    m_text = fromDialogText(m_edit->text());
    QDialog::accept();
}
