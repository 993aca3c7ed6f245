#pragma once

#include <QMessageBox>

class QString;
class QWidget;

// Shows one of the program's messages and waits for OK: titled "Zuvaduro", one OK button, the
// given icon. The text is always plain: messages carry file names and users' texts, and a name
// such as "<i>y.did" must show as it is written.
void showProgramMessage(QWidget* parent, QMessageBox::Icon icon, const QString& message);

// `text` for a tool tip, shown as written even where it looks like markup.
QString plainToolTip(const QString& text);
