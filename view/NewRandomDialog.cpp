#include "view/NewRandomDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "view/ComboExchange.h"
#include "view/DialogControls.h"

NewRandomDialog::NewRandomDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(controlName(kTemplateId));
    setUpModalDialog(*this, tr("New Random Contract"), false);
    setWhatsThis(
        tr("Rolls a new set of contract offers for a unit of the chosen rating. Every "
           "term of every offer is rolled; the current offers are replaced."));
    const DialogUnits units(font());

    // Created in tab order: OK first, so Enter at once confirms the rating shown.
    m_ok =
        addOkCancel(*this, units, {35, 70}, {105, 70}, tr("Rolls the offers for the rating shown."),
                    tr("Closes the dialog and keeps the current offers."))
            .ok;

    m_ratingCombo = addLabelledCombo(
        *this, units,
        {.id = kRatingId,
         .entries = kRatingEntries,
         .sorted = true,
         .rect = {69, 40, 48, 55},
         .visibleRows = 4,
         .label = tr("Please chose a Dragoon's Rating"),
         .labelRect = {20, 15, 145, 10},
         .labelAlignment = Qt::AlignHCenter,
         .accessibleName = tr("Dragoon's Rating"),
         .whatsThis = tr("The unit's rating, A (best) to D. It sets how many offers "
                         "the unit receives and how well they pay.")});

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
