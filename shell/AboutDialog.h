#pragma once

#include <QDialog>

// The about box: the program's name, version and credit. OK or Escape closes it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
