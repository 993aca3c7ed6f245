#include <QPrintDialog>
#include <QPrinter>

#include "view/ContractSelectDialog.h"
#include "view/DialogPrompts.h"

bool DialogPrompts::askContracts(SettingsStore& settings, std::array<bool, 4>& ticked) {
    ContractSelectDialog dialog(settings, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    ticked = dialog.ticked();
    return true;
}

bool DialogPrompts::choosePrinterForContracts(QPrinter& printer) {
    QPrintDialog dialog(&printer, m_parent);
    // Each contract is one page, so the page range offers exactly page 1; printing to a PDF file
    // stays available.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 1);
    dialog.setFromTo(1, 1);
    return dialog.exec() == QDialog::Accepted;
}
