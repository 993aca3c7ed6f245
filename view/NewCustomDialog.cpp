#include "view/NewCustomDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "view/ComboExchange.h"
#include "view/CustomChoiceCombos.h"
#include "view/DialogControls.h"
#include "view/ProgramMessage.h"

namespace {

// clang-format off
// One row per combo, in the tab order of customChoiceCombos(). Each combo sits under its label,
// 10 units lower and left-aligned with it.
struct ComboRow {
    int id;
    DluRect rect;  // the height includes the drop-down list
    std::string NewCustomDialog::*member;
};

constexpr std::array<ComboRow, NewCustomDialog::kComboCount> kComboRows = {{
    {NewCustomDialog::kRatingId,            {15, 25, 48, 55},   &NewCustomDialog::m_rating},
    {NewCustomDialog::kEmployerId,          {115, 25, 115, 90}, &NewCustomDialog::m_employer},
    {NewCustomDialog::kAssignmentId,        {250, 25, 115, 95}, &NewCustomDialog::m_assignment},
    {NewCustomDialog::kContractLengthId,    {15, 60, 85, 80},   &NewCustomDialog::m_contractLength},
    {NewCustomDialog::kPaymentMultiplierId, {115, 60, 85, 60},  &NewCustomDialog::m_paymentMultiplier},
    {NewCustomDialog::kSupportId,           {250, 60, 90, 30},  &NewCustomDialog::m_support},
    {NewCustomDialog::kTransportId,         {15, 95, 85, 30},   &NewCustomDialog::m_transport},
    {NewCustomDialog::kSalvageRightsId,     {115, 95, 85, 55},  &NewCustomDialog::m_salvageRights},
    {NewCustomDialog::kCommandRightsId,     {250, 95, 90, 65},  &NewCustomDialog::m_commandRights},
}};
static_assert(kComboRows.size() == kCustomChoiceComboCount);
// clang-format on

// OK reads the combos in this order and checks the rating as soon as it is read.
constexpr std::array<int, NewCustomDialog::kComboCount> kReadOrder = {
    NewCustomDialog::kAssignmentId,        NewCustomDialog::kCommandRightsId,
    NewCustomDialog::kEmployerId,          NewCustomDialog::kContractLengthId,
    NewCustomDialog::kPaymentMultiplierId, NewCustomDialog::kRatingId,
    NewCustomDialog::kSalvageRightsId,     NewCustomDialog::kSupportId,
    NewCustomDialog::kTransportId,
};

// The unit height of a combo's drop-down list, in list rows (about 8 units each).
int visibleRows(const ComboRow& row) {
    return std::max(1, (row.rect.height - 14) / 8);
}

constexpr std::size_t indexOf(int id) {
    std::size_t index = 0;
    while (index < kComboRows.size() && kComboRows[index].id != id) {
        ++index;
    }
    return index;
}

constexpr bool readOrderCoversEveryCombo() {
    for (int id : kReadOrder) {
        if (indexOf(id) == kComboRows.size()) {
            return false;
        }
    }
    return true;
}
static_assert(readOrderCoversEveryCombo());

}  // namespace

NewCustomDialog::NewCustomDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(controlName(kTemplateId));
    setUpModalDialog(*this, tr("New Custom Contract"), false);
    setWhatsThis(
        tr("Rolls a new set of contract offers. Any term of the first offer may be "
           "fixed here; Random rolls it. The other offers are always rolled."));
    const DialogUnits units(font());

    // Created in tab order: OK first, so Enter at once confirms the choices shown.
    m_ok = addOkCancel(*this, units, {115, 125}, {215, 125},
                       tr("Rolls the offers with the choices shown."),
                       tr("Closes the dialog and keeps the current offers."))
               .ok;

    for (std::size_t i = 0; i < kComboRows.size(); ++i) {
        const ComboRow& row = kComboRows[i];
        const CustomChoiceCombo& combo = customChoiceCombos()[i];
        m_combos[i] =
            addLabelledCombo(*this, units,
                             {.id = row.id,
                              .entries = combo.entries,
                              .sorted = combo.sorted,
                              .rect = row.rect,
                              .visibleRows = visibleRows(row),
                              .label = tr(combo.label),
                              .labelRect = {row.rect.x, row.rect.y - 10, row.rect.width, 8},
                              .whatsThis = tr(combo.whatsThis)});
    }

    finishDialogGeometry(*this, units, 382, 149);
}

void NewCustomDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        for (std::size_t i = 0; i < kComboRows.size(); ++i) {
            loadComboText(*m_combos[i], toDialogText(this->*kComboRows[i].member));
        }
        m_ok->setFocus();
    }
    QDialog::showEvent(event);
}

void NewCustomDialog::accept() {
    for (int id : kReadOrder) {
        const std::size_t index = indexOf(id);
        QComboBox* box = m_combos[index];
        const QString text = readComboText(*box);
        this->*kComboRows[index].member = fromDialogText(text);
        if (id == kRatingId && text.size() > kMaxRatingLength) {
            showProgramMessage(this, QMessageBox::Warning, ratingTooLongMessage());
            box->setFocus();
            if (box->lineEdit() != nullptr) {
                box->lineEdit()->selectAll();
            }
            return;
        }
    }
    QDialog::accept();
}
