#include <QDialog>

#include "view/CEditInfoDlg.h"
#include "view/CNewCustomDlg.h"
#include "view/CNewRandomDlg.h"
#include "view/COptionsDlg.h"
#include "view/DialogPrompts.h"

bool DialogPrompts::askRating(std::string& rating) {
    CNewRandomDlg dialog(m_parent);
    dialog.m_rating = rating;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    rating = dialog.m_rating;
    return true;
}

bool DialogPrompts::askCustom(std::string& rating, OfferChoices& choices) {
    CNewCustomDlg dialog(m_parent);
    dialog.m_rating = rating;
    dialog.m_employer = choices.employer;
    dialog.m_assignment = choices.assignment;
    dialog.m_contractLength = choices.contractLength;
    dialog.m_paymentMultiplier = choices.paymentMultiplier;
    dialog.m_support = choices.support;
    dialog.m_transport = choices.transport;
    dialog.m_salvageRights = choices.salvageRights;
    dialog.m_commandRights = choices.commandRights;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    rating = dialog.m_rating;
    choices.employer = dialog.m_employer;
    choices.assignment = dialog.m_assignment;
    choices.contractLength = dialog.m_contractLength;
    choices.paymentMultiplier = dialog.m_paymentMultiplier;
    choices.support = dialog.m_support;
    choices.transport = dialog.m_transport;
    choices.salvageRights = dialog.m_salvageRights;
    choices.commandRights = dialog.m_commandRights;
    return true;
}

bool DialogPrompts::askEdit(const std::string& prompt, std::string& text) {
    CEditInfoDlg dialog(m_parent);
    dialog.m_prompt = prompt;
    dialog.m_text = text;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    text = dialog.m_text;
    return true;
}

bool DialogPrompts::askOptions(OptionsValues& values) {
    COptionsDlg dialog(m_parent);
    dialog.m_period = values.period;
    dialog.m_basePay = values.basePay;
    dialog.m_unitName = values.unitName;
    dialog.m_unitSize = values.unitSize;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    values.period = dialog.m_period;
    values.basePay = dialog.m_basePay;
    values.unitName = dialog.m_unitName;
    values.unitSize = dialog.m_unitSize;
    return true;
}
