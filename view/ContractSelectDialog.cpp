#include "view/ContractSelectDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "document/SettingsStore.h"
#include "view/DialogControls.h"

namespace {

struct CheckBoxTemplate {
    const char* text;
    DluRect rect;
};

// clang-format off
constexpr std::array<CheckBoxTemplate, 4> kChecks = {{
    {QT_TRANSLATE_NOOP("ContractSelectDialog", "Contract One"),   {30, 25, 58, 10}},
    {QT_TRANSLATE_NOOP("ContractSelectDialog", "Contract Two"),   {30, 35, 59, 10}},
    {QT_TRANSLATE_NOOP("ContractSelectDialog", "Contract Three"), {30, 45, 63, 10}},
    {QT_TRANSLATE_NOOP("ContractSelectDialog", "Contract Four"),  {30, 55, 59, 10}},
}};
// clang-format on

}  // namespace

ContractSelectDialog::ContractSelectDialog(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(controlName(kTemplateId));
    // The template has no caption text, but the dialog keeps the frame and title bar that every
    // dialog has, so that it can be moved and looks like the others.
    setUpModalDialog(*this, QString(), false);
    // A reader names the dialog by what it asks, the title bar being empty.
    setAccessibleName(tr("Choose Contracts to Print"));
    setWhatsThis(tr("Tick the offers whose formal contract you want to print, one page each."));
    const DialogUnits units(font());

    // Created in template order, which is the tab order: OK first.
    m_ok = addOkCancel(*this, units, {130, 25}, {130, 50}).ok;

    auto* group = new QGroupBox(tr("Choose Contracts to Print"), this);
    group->setObjectName(controlName(kGroupId));
    placeControl(*group, units, {19, 15, 101, 55});

    for (std::size_t i = 0; i < kChecks.size(); ++i) {
        auto* check = new QCheckBox(tr(kChecks[i].text), this);
        check->setObjectName(controlName(kCheckIds[i]));
        placeControl(*check, units, kChecks[i].rect);
        // A desktop font wider than the template's must not cut the label.
        check->resize(std::max(check->width(), check->sizeHint().width()), check->height());
        m_checks[i] = check;
    }

    finishDialogGeometry(*this, units, 188, 81);
}

void ContractSelectDialog::disableMissingOffers() {
    m_availableOffers =
        m_settings.readNumber(settings::kSection, settings::kInt, settings::kIntDefault);
    // From the fourth box down, disable while the offer does not exist; the boxes of existing
    // offers stay enabled.
    for (int offer = 4; offer >= 1 && m_availableOffers < offer; --offer) {
        m_checks[static_cast<std::size_t>(offer - 1)]->setEnabled(false);
    }
}

void ContractSelectDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        disableMissingOffers();
        m_ok->setFocus();
    }
    QDialog::showEvent(event);
}

std::array<bool, 4> ContractSelectDialog::ticked() const {
    return {m_printOne, m_printTwo, m_printThree, m_printFour};
}

void ContractSelectDialog::accept() {
    m_printOne = m_checks[0]->isChecked();
    m_printTwo = m_checks[1]->isChecked();
    m_printThree = m_checks[2]->isChecked();
    m_printFour = m_checks[3]->isChecked();
    QDialog::accept();
}
