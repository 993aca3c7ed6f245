#include <QDialog>
#include <array>

#include "view/DialogPrompts.h"
#include "view/EditLineDialog.h"
#include "view/NewCustomDialog.h"
#include "view/NewRandomDialog.h"
#include "view/OptionsDialog.h"

bool DialogPrompts::askRating(std::string& rating) {
    NewRandomDialog dialog(m_parent);
    dialog.m_rating = rating;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    rating = dialog.m_rating;
    return true;
}

namespace {

// Which dialog member shows which custom choice; used both ways so the two lists cannot drift.
struct ChoiceBinding {
    std::string OfferChoices::*choice;
    std::string NewCustomDialog::*member;
};
constexpr std::array<ChoiceBinding, 8> kChoiceBindings = {{
    {&OfferChoices::employer, &NewCustomDialog::m_employer},
    {&OfferChoices::assignment, &NewCustomDialog::m_assignment},
    {&OfferChoices::contractLength, &NewCustomDialog::m_contractLength},
    {&OfferChoices::paymentMultiplier, &NewCustomDialog::m_paymentMultiplier},
    {&OfferChoices::support, &NewCustomDialog::m_support},
    {&OfferChoices::transport, &NewCustomDialog::m_transport},
    {&OfferChoices::salvageRights, &NewCustomDialog::m_salvageRights},
    {&OfferChoices::commandRights, &NewCustomDialog::m_commandRights},
}};

}  // namespace

bool DialogPrompts::askCustom(std::string& rating, OfferChoices& choices) {
    NewCustomDialog dialog(m_parent);
    dialog.m_rating = rating;
    for (const ChoiceBinding& binding : kChoiceBindings) {
        dialog.*binding.member = choices.*binding.choice;
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    rating = dialog.m_rating;
    for (const ChoiceBinding& binding : kChoiceBindings) {
        choices.*binding.choice = dialog.*binding.member;
    }
    return true;
}

bool DialogPrompts::askEdit(const std::string& prompt, std::string& text) {
    EditLineDialog dialog(m_parent);
    dialog.m_prompt = prompt;
    dialog.m_text = text;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    text = dialog.m_text;
    return true;
}

bool DialogPrompts::askOptions(OptionsValues& values) {
    OptionsDialog dialog(m_parent);
    dialog.m_period = values.period;
    dialog.m_basePay = values.basePay;
    dialog.m_unitName = values.unitName;
    dialog.m_unitSize = values.unitSize;
    dialog.m_rulesFile = values.rulesFile;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    values.period = dialog.m_period;
    values.basePay = dialog.m_basePay;
    values.unitName = dialog.m_unitName;
    values.unitSize = dialog.m_unitSize;
    values.rulesFile = dialog.m_rulesFile;
    return true;
}
