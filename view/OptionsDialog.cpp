#include "view/OptionsDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <array>

#include "document/NumberText.h"
#include "view/ComboExchange.h"
#include "view/DialogControls.h"

namespace {

constexpr std::array<const char*, 3> kPeriodEntries = {"3025", "3055", "3058"};

// A labelled single-line edit box: the label at `labelRect`, the box 10 units below it.
QLineEdit* addEdit(QDialog& dialog, const DialogUnits& units, int id, const QString& label,
                   const DluRect& labelRect, const DluRect& rect, const QString& whatsThis) {
    QLabel* caption = addStaticText(dialog, units, 0, label, labelRect);
    auto* edit = new QLineEdit(&dialog);
    caption->setBuddy(edit);
    edit->setObjectName(controlName(id));
    edit->setMaxLength(kUnlimitedTextLength);
    placeControl(*edit, units, rect);
    edit->setAccessibleName(label);
    edit->setWhatsThis(whatsThis);
    return edit;
}

// The generation reads the stored text with parseNumber: "100,000" pays 100 a month.
double readBasePay(const QString& typed) {
    return parseNumber(fromDialogText(typed));
}

QString readingText(const QString& amount) {
    return QObject::tr("read as %1 C-Bills").arg(amount);
}

// The reading in the room beside the box. A number too long for it is written with an exponent,
// which still tells its size (the point of the reading), and the tip holds every digit.
void showBasePayReading(QLabel& label, const QString& typed) {
    const QString whole = basePayReading(typed);
    const bool fits = label.fontMetrics().horizontalAdvance(whole) <= label.width();
    label.setText(fits ? whole : readingText(QLocale().toString(readBasePay(typed), 'e', 3)));
    label.setToolTip(fits ? QString() : whole);
}

}  // namespace

QString basePayReading(const QString& typed, const QLocale& locale) {
    return readingText(locale.toString(readBasePay(typed), 'f', QLocale::FloatingPointShortest));
}

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(controlName(kTemplateId));
    setUpModalDialog(*this, tr("Options"), true);
    setWhatsThis(
        tr("Your unit's name, size and base pay, kept for every document. The name and "
           "size fill printed contracts; the base pay sets the offers' pay."));
    const DialogUnits units(font());

    // Created in tab order: OK first, so Enter at once keeps the values shown.
    m_ok = addOkCancel(*this, units, {10, 170}, {65, 170}, tr("Stores the values."),
                       tr("Closes the dialog and keeps the stored values."))
               .ok;

    m_periodCombo = addLabelledCombo(
        *this, units,
        {.id = kPeriodId,
         .entries = kPeriodEntries,
         .sorted = true,
         .rect = {10, 20, 70, 44},
         .visibleRows = 3,
         .label = tr("Contract Time Period"),
         .labelRect = {10, 10, 67, 8},
         .whatsThis = tr("The campaign year saved with documents. Opening a document "
                         "sets it; it cannot be changed here.")});
    // The period comes with the documents that are opened; it is shown here but not set here.
    m_periodCombo->setEnabled(false);

    m_unitNameEdit = addEdit(*this, units, kUnitNameId, tr("Unit Name"), {10, 40, 34, 8},
                             {10, 50, 105, 14}, tr("Your unit's name, as printed in contracts."));
    m_basePayEdit = addEdit(*this, units, kBasePayId, tr("Base Pay For Unit (C-Bills/Month)"),
                            {10, 70, 110, 8}, {10, 80, 105, 14},
                            tr("Your unit's monthly base pay in C-Bills, multiplied by each "
                               "offer's payment multiplier. Write it without separators, "
                               "for example 100000."));
    m_basePayEdit->setAlignment(Qt::AlignRight);
    // Beside the box, what the offers' pay will be computed from, as the user types.
    QLabel* reading =
        addStaticText(*this, units, kBasePayReadingId, basePayReading({}), {120, 83, 100, 8});
    connect(m_basePayEdit, &QLineEdit::textChanged, reading,
            [reading](const QString& text) { showBasePayReading(*reading, text); });

    m_unitSizeEdit =
        addEdit(*this, units, kUnitSizeId, tr("Size of Unit (eg. 2 Regiments)"), {10, 100, 94, 8},
                {10, 110, 105, 14}, tr("Your unit's size, as printed in contracts."));
    addRulesChoice(units);

    finishDialogGeometry(*this, units, 227, 191);
}

void OptionsDialog::addRulesChoice(const DialogUnits& units) {
    const QString whatsThis =
        tr("The tables New Custom, New Random and Roll Term Again roll on: the built-in ones, "
           "or a rules file of your own. A file is checked when you press OK; one that has "
           "problems is not taken.");
    QLabel* caption = addStaticText(*this, units, 0, tr("&Rules"), {10, 130, 100, 8});
    m_rulesEdit = new QLineEdit(this);
    m_rulesEdit->setObjectName(controlName(kRulesFileId));
    m_rulesEdit->setReadOnly(true);
    placeControl(*m_rulesEdit, units, {10, 140, 150, 14});
    m_rulesEdit->setAccessibleName(tr("Rules"));
    m_rulesEdit->setWhatsThis(whatsThis);
    caption->setBuddy(m_rulesEdit);

    QPushButton* choose =
        addPushButton(*this, units, kChooseRulesId, tr("&Choose..."), {165, 140, 52, 14}, false);
    choose->setWhatsThis(tr("Chooses a rules file to roll with."));
    connect(choose, &QPushButton::clicked, this, &OptionsDialog::chooseRulesFile);
    QPushButton* builtIn =
        addPushButton(*this, units, kBuiltInRulesId, tr("&Built-in"), {165, 156, 52, 14}, false);
    builtIn->setWhatsThis(tr("Goes back to the built-in tables."));
    connect(builtIn, &QPushButton::clicked, this, [this] {
        m_rulesShown.clear();
        showRules();
    });
}

void OptionsDialog::chooseRulesFile() {
    const QString start = m_rulesShown.empty()
                              ? QString()
                              : QFileInfo(QString::fromStdString(m_rulesShown)).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, tr("Choose a Rules File"), start,
                                                      tr("Rules files (*.toml);;All files (*)"));
    if (!path.isEmpty()) {
        m_rulesShown = path.toStdString();
        showRules();
    }
}

void OptionsDialog::showRules() {
    m_rulesEdit->setText(m_rulesShown.empty() ? tr("Built-in")
                                              : QString::fromStdString(m_rulesShown));
    m_rulesEdit->setCursorPosition(0);
}

void OptionsDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        loadComboText(*m_periodCombo, toDialogText(m_period));
        m_unitNameEdit->setText(toDialogText(m_unitName));
        m_basePayEdit->setText(toDialogText(m_basePay));
        m_unitSizeEdit->setText(toDialogText(m_unitSize));
        m_rulesShown = m_rulesFile;
        showRules();
        m_ok->setFocus();
    }
    QDialog::showEvent(event);
}

void OptionsDialog::accept() {
    m_unitName = fromDialogText(m_unitNameEdit->text());
    m_period = fromDialogText(readComboText(*m_periodCombo));
    m_basePay = fromDialogText(m_basePayEdit->text());
    m_unitSize = fromDialogText(m_unitSizeEdit->text());
    m_rulesFile = m_rulesShown;
    QDialog::accept();
}
