#include "view/DialogControls.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "view/ComboExchange.h"

void setUpModalDialog(QDialog& dialog, const QString& caption, bool closeBox) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox) {
        flags |= Qt::WindowCloseButtonHint;
    }
    dialog.setWindowFlags(flags);
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
}

QPushButton* addPushButton(QDialog& dialog, const DialogUnits& units, int id, const QString& text,
                           const DluRect& rect, bool isDefault) {
    auto* button = new QPushButton(text, &dialog);
    button->setObjectName(controlName(id));
    button->setDefault(isDefault);
    button->setAutoDefault(true);
    placeControl(*button, units, rect);
    if (id == 1) {
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    } else if (id == 2) {
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    return button;
}

OkCancel addOkCancel(QDialog& dialog, const DialogUnits& units, DluPoint ok, DluPoint cancel,
                     const QString& okHelp, const QString& cancelHelp) {
    constexpr int kWidth = 50;
    constexpr int kHeight = 14;
    OkCancel buttons;
    buttons.ok =
        addPushButton(dialog, units, 1, QDialog::tr("OK"), {ok.x, ok.y, kWidth, kHeight}, true);
    buttons.cancel = addPushButton(dialog, units, 2, QDialog::tr("Cancel"),
                                   {cancel.x, cancel.y, kWidth, kHeight}, false);
    if (!okHelp.isEmpty()) {
        buttons.ok->setWhatsThis(okHelp);
    }
    if (!cancelHelp.isEmpty()) {
        buttons.cancel->setWhatsThis(cancelHelp);
    }
    return buttons;
}

QLabel* addStaticText(QDialog& dialog, const DialogUnits& units, int id, const QString& text,
                      const DluRect& rect, Qt::Alignment alignment) {
    auto* label = new QLabel(text, &dialog);
    if (id != 0) {
        label->setObjectName(controlName(id));
    }
    label->setAlignment(alignment | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    placeControl(*label, units, rect);
    return label;
}

QString controlName(int id) {
    return QString::number(id);
}

QComboBox* addLabelledCombo(QDialog& dialog, const DialogUnits& units, const LabelledCombo& spec) {
    auto* combo = new QComboBox(&dialog);
    combo->setObjectName(controlName(spec.id));
    setUpChoiceCombo(*combo, spec.entries, spec.sorted);
    combo->setMaxVisibleItems(spec.visibleRows);
    placeControl(*combo, units, spec.rect, true);
    combo->setAccessibleName(spec.accessibleName.isEmpty() ? spec.label : spec.accessibleName);
    combo->setWhatsThis(spec.whatsThis);
    addStaticText(dialog, units, 0, spec.label, spec.labelRect, spec.labelAlignment)
        ->setBuddy(combo);
    return combo;
}
