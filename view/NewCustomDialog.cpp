#include "view/NewCustomDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <span>

#include "view/ComboExchange.h"
#include "view/DialogControls.h"
#include "view/NewRandomDialog.h"
#include "view/ProductMessage.h"

namespace {

// clang-format off
constexpr std::array<const char*, 37> kEmployerEntries = {
    "Random", "21st Centauri Lancers", "Aldis Industries", "Alphard Trading Corp.",
    "Capellan Confederation", "Ceres Metals", "Circinus Federation (Circinus)",
    "Draconis Combine", "EarthWerks Inc.", "Eridani Light Horse", "Federated Boeing",
    "Federated Commonwealth", "Free Rasalhague Republic", "Free Worlds League",
    "Gray Death Legion", "Ilyrian Battlemechs, Unlimited", "Kali-Yama", "Kallon Industries",
    "Kell Hounds", "Lothian League (Lothario)", "Magistry of Canopus", "Major Corporation",
    "Marion Hegemony (Alphard)", "McCarron's Armored Cavalry", "Mercenary Unit",
    "Mica Majority", "Minor Power", "Nashan Diversified", "Northwind Highlanders",
    "Outworlds Alliance", "Periphery", "Rim Collection", "Snord's Irregulars",
    "St. Ives Compact", "Taurian Concordat", "TharHes Industries", "Wolf's Dragoons",
};

constexpr std::array<const char*, 15> kAssignmentEntries = {
    "Random", "Cadre Duty", "Defensive Campaign", "Diversionary Raid", "Extraction Raid",
    "Garrison Duty", "Guerrilla Warfare", "Objective Raid", "Pirate Hunting",
    "Planetary Assault", "Recon Raid", "Relief Duty", "Retainer", "Riot Duty", "Security Duty",
};

constexpr std::array<const char*, 25> kContractLengthEntries = {
    "Random",
    "1 month", "2 months", "3 months", "4 months", "5 months", "6 months",
    "7 months", "8 months", "9 months", "10 months", "11 months",
    "1 year",
    "1 year, 1 month", "1 year, 2 months", "1 year, 3 months", "1 year, 4 months",
    "1 year, 5 months", "1 year, 6 months", "1 year, 7 months", "1 year, 8 months",
    "1 year, 9 months", "1 year, 10 months", "1 year, 11 months",
    "2 years",
};

constexpr std::array<const char*, 12> kPaymentMultiplierEntries = {
    "Random", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0", "9.0", "10.0", "11.0",
};

constexpr std::array<const char*, 1> kRandomOnly = {"Random"};

constexpr std::array<const char*, 4> kSalvageRightsEntries = {
    "Random", "No Rights", "Exchange Rights", "Full Rights",
};

constexpr std::array<const char*, 5> kCommandRightsEntries = {
    "Random", "Independent Command", "Liason Officer", "House Command", "Integrated Command",
};

// One row per combo, in tab order. Each combo sits under its label, 10 units lower and
// left-aligned with it.
struct ComboRow {
    int id;
    const char* label;
    DluRect rect;  // the height includes the drop-down list
    std::string NewCustomDialog::*member;
    std::span<const char* const> entries;
    bool sorted;
    const char* whatsThis;
};

constexpr std::array<ComboRow, NewCustomDialog::kComboCount> kComboRows = {{
    {NewCustomDialog::kRatingId, "Dragoon's Rating", {15, 25, 48, 55},
     &NewCustomDialog::m_rating, kRatingEntries, true,
     "The unit's rating, A (best) to D: one character. It sets how many offers the unit "
     "receives and how well they pay."},
    {NewCustomDialog::kEmployerId, "Employer", {115, 25, 115, 90},
     &NewCustomDialog::m_employer, kEmployerEntries, false,
     "The first offer's employer. Random rolls it; a picked or typed name is used as it "
     "stands."},
    {NewCustomDialog::kAssignmentId, "Assignment", {250, 25, 115, 95},
     &NewCustomDialog::m_assignment, kAssignmentEntries, false,
     "The first offer's mission. Random rolls it from the employer's table."},
    {NewCustomDialog::kContractLengthId, "Contract Length", {15, 60, 85, 80},
     &NewCustomDialog::m_contractLength, kContractLengthEntries, false,
     "The first offer's duration. Random rolls it from the assignment's table."},
    {NewCustomDialog::kPaymentMultiplierId, "Payment Multiplier", {115, 60, 85, 60},
     &NewCustomDialog::m_paymentMultiplier, kPaymentMultiplierEntries, false,
     "The first offer's multiple of the unit's base pay. A typed number such as 5.5 is used "
     "for the pay as it stands."},
    {NewCustomDialog::kSupportId, "Support %", {250, 60, 90, 30},
     &NewCustomDialog::m_support, kRandomOnly, false,
     "Fixes both straight support and battle-loss compensation of the first offer, for "
     "example 80%. Random rolls them."},
    {NewCustomDialog::kTransportId, "Transport Compensation", {15, 95, 85, 30},
     &NewCustomDialog::m_transport, kRandomOnly, false,
     "Fixes both transport compensations of the first offer, for example 25%. Random rolls "
     "them."},
    {NewCustomDialog::kSalvageRightsId, "Salvage Rights", {115, 95, 85, 55},
     &NewCustomDialog::m_salvageRights, kSalvageRightsEntries, false,
     "The first offer's salvage rights. Random rolls them from the employer."},
    {NewCustomDialog::kCommandRightsId, "Command Rights", {250, 95, 90, 65},
     &NewCustomDialog::m_commandRights, kCommandRightsEntries, false,
     "The first offer's command arrangement. Random rolls it from the employer."},
}};
// clang-format on

// OK reads the combos in this order and checks the rating as soon as it is read.
constexpr std::array<int, NewCustomDialog::kComboCount> kReadOrder = {
    NewCustomDialog::kAssignmentId,        NewCustomDialog::kCommandRightsId,
    NewCustomDialog::kEmployerId,          NewCustomDialog::kContractLengthId,
    NewCustomDialog::kPaymentMultiplierId, NewCustomDialog::kRatingId,
    NewCustomDialog::kSalvageRightsId,     NewCustomDialog::kSupportId,
    NewCustomDialog::kTransportId,
};

constexpr int kMaxRatingLength = 1;

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
        m_combos[i] =
            addLabelledCombo(*this, units,
                             {.id = row.id,
                              .entries = row.entries,
                              .sorted = row.sorted,
                              .rect = row.rect,
                              .visibleRows = visibleRows(row),
                              .label = tr(row.label),
                              .labelRect = {row.rect.x, row.rect.y - 10, row.rect.width, 8},
                              .whatsThis = tr(row.whatsThis)});
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
            showProductMessage(
                this, QMessageBox::Warning,
                tr("Please enter no more than %1 characters.").arg(kMaxRatingLength));
            box->setFocus();
            if (box->lineEdit() != nullptr) {
                box->lineEdit()->selectAll();
            }
            return;
        }
    }
    QDialog::accept();
}
