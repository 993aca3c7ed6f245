#include "view/NewRandomDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "view/ComboExchange.h"
#include "view/DialogUnits.h"

NewRandomDialog::NewRandomDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(controlName(kTemplateId));
    setUpModalDialog(*this, tr("New Random Contract"), false);
    setWhatsThis(
        tr("Rolls a new set of contract offers for a unit of the chosen rating. Every "
           "term of every offer is rolled; the current offers are replaced."));
    const DialogUnits units(font());

    // Created in tab order: OK first, so Enter at once confirms the rating shown.
    m_ok = addPushButton(*this, units, 1, tr("OK"), {35, 70, 50, 14}, true);
    m_ok->setWhatsThis(tr("Rolls the offers for the rating shown."));
    QPushButton* cancel = addPushButton(*this, units, 2, tr("Cancel"), {105, 70, 50, 14}, false);
    cancel->setWhatsThis(tr("Closes the dialog and keeps the current offers."));

    m_ratingCombo = new QComboBox(this);
    m_ratingCombo->setObjectName(controlName(kRatingId));
    setUpChoiceCombo(*m_ratingCombo, kRatingEntries, true);
    m_ratingCombo->setMaxVisibleItems(4);
    placeControl(*m_ratingCombo, units, {69, 40, 48, 55}, true);
    m_ratingCombo->setAccessibleName(tr("Dragoon's Rating"));
    m_ratingCombo->setWhatsThis(
        tr("The unit's rating, A (best) to D. It sets how many offers "
           "the unit receives and how well they pay."));

    addStaticText(*this, units, 0, tr("Please chose a Dragoon's Rating"), {20, 15, 145, 10},
                  Qt::AlignHCenter)
        ->setBuddy(m_ratingCombo);

    finishDialogGeometry(*this, units, 186, 95);
}

void NewRandomDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        loadComboText(*m_ratingCombo, toDialogText(m_rating));
        m_ok->setFocus();
    }
    QDialog::showEvent(event);
}

void NewRandomDialog::accept() {
    m_rating = fromDialogText(readComboText(*m_ratingCombo));
    QDialog::accept();
}
