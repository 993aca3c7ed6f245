#pragma once

#include <QDialog>

// The about box: the program's name, version and credit. OK or Escape closes it.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
