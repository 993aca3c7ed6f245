#pragma once

#include <QString>
#include <span>

#include "view/DialogUnits.h"

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;

// Building the program's dialogs: every control is placed in dialog units and carries its
// control id as object name, so that tests and the window test address it by number.

// Dialog flags shared by the program's modal dialogs: a caption and a frame, no context-help
// button; `closeBox` adds the close box (which acts as Cancel).
void setUpModalDialog(QDialog& dialog, const QString& caption, bool closeBox);

// A push button that carries its control id as object name; the default button gets Enter, and
// ids 1 and 2 are wired to accept and reject.
QPushButton* addPushButton(QDialog& dialog, const DialogUnits& units, int id, const QString& text,
                           const DluRect& rect, bool isDefault);

// OK (id 1, the default button) and then Cancel (id 2), both 50 x 14 units at the given corners,
// each with its what's-this text unless that is empty.
struct DluPoint {
    int x = 0;
    int y = 0;
};
struct OkCancel {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
OkCancel addOkCancel(QDialog& dialog, const DialogUnits& units, DluPoint ok, DluPoint cancel,
                     const QString& okHelp = {}, const QString& cancelHelp = {});

// A static text; `id` 0 means the text has no id and no object name.
QLabel* addStaticText(QDialog& dialog, const DialogUnits& units, int id, const QString& text,
                      const DluRect& rect, Qt::Alignment alignment = Qt::AlignLeft);

// A choice combo (see setUpChoiceCombo) and the label that names it: the label is the combo's
// buddy and, unless `accessibleName` says otherwise, its accessible name.
struct LabelledCombo {
    int id = 0;
    std::span<const char* const> entries{};
    bool sorted = false;
    DluRect rect{};  // the height includes the drop-down list
    int visibleRows = 1;
    QString label{};
    DluRect labelRect{};
    Qt::Alignment labelAlignment = Qt::AlignLeft;
    QString accessibleName{};
    QString whatsThis{};
};
QComboBox* addLabelledCombo(QDialog& dialog, const DialogUnits& units,
                            const LabelledCombo& control);

// The object name that addresses a control: its id as decimal text.
QString controlName(int id);
