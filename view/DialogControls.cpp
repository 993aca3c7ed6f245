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

QComboBox* addLabelledCombo(QDialog& dialog, const DialogUnits& units,
                            const LabelledCombo& control) {
    auto* combo = new QComboBox(&dialog);
    combo->setObjectName(controlName(control.id));
    setUpChoiceCombo(*combo, control.entries, control.sorted);
    combo->setMaxVisibleItems(control.visibleRows);
    placeControl(*combo, units, control.rect, true);
    combo->setAccessibleName(control.accessibleName.isEmpty() ? control.label
                                                              : control.accessibleName);
    combo->setWhatsThis(control.whatsThis);
    addStaticText(dialog, units, 0, control.label, control.labelRect, control.labelAlignment)
        ->setBuddy(combo);
    return combo;
}
