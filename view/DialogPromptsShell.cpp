#include <QCoreApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "view/DialogPrompts.h"
#include "view/ProgramMessage.h"

namespace {

// The file dialog shows the filters under their usual names; the patterns behind them are what
// Linux needs ("*.*" would hide files without a dot, and names may be upper or lower case).
const QStringList& documentFilters() {
    static const QStringList filters = {
        QCoreApplication::translate("DialogPrompts", "Mercenary Contracts(*.did) (*.DID *.did)"),
        QCoreApplication::translate("DialogPrompts", "All Files (*.*) (*)"),
    };
    return filters;
}

void setDocumentFilters(QFileDialog& dialog) {
    dialog.setNameFilters(documentFilters());
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
}

bool runFileDialog(QFileDialog& dialog, QString& path) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    path = dialog.selectedFiles().constFirst();
    return true;
}

}  // namespace

bool DialogPrompts::choosePrinterForListing(QPrinter& printer) {
    // The dialog's own choices stay, print to PDF file among them.
    QPrintDialog dialog(&printer, m_parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogPrompts::askOpenPath(QString& path) {
    QFileDialog dialog(m_parent, QCoreApplication::translate("DialogPrompts", "Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    setDocumentFilters(dialog);
    return runFileDialog(dialog, path);
}

bool DialogPrompts::askSavePath(const QString& proposed, QString& path) {
    QFileDialog dialog(m_parent, QCoreApplication::translate("DialogPrompts", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filters first: choosing a filter in a save dialog gives the name the filter's first
    // extension, so "sa.did" would become "sa.DID", a second file beside the first.
    setDocumentFilters(dialog);
    dialog.selectFile(proposed);
    return runFileDialog(dialog, path);
}

SaveAnswer DialogPrompts::askSaveChanges(const QString& title) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zuvaduro"),
                    QCoreApplication::translate("DialogPrompts", "Save changes to %1?").arg(title),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    // The title is a file name, shown as it is written.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveAnswer::Save;
        case QMessageBox::Discard:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

void DialogPrompts::warn(const QString& message) {
    showProgramMessage(m_parent, QMessageBox::Warning, message);
}

void DialogPrompts::inform(const QString& message) {
    showProgramMessage(m_parent, QMessageBox::Information, message);
}
