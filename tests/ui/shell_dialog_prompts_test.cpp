#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include "tests/ui/dialogs_test_util.h"
#include "tests/ui/shell_test_support.h"
#include "view/DialogPrompts.h"

namespace {

// A file name that looks like markup ("<i>y.did") must show as it is written, not in italics.
TEST(ShellDialogPrompts, messagesAreTitledZuvaduroWithOneOkTheirIconAndPlainText) {
    struct Case {
        void (DialogPrompts::*show)(const QString&);
        QMessageBox::Icon icon;
    };
    for (const Case& c : {Case{&DialogPrompts::warn, QMessageBox::Warning},
                          Case{&DialogPrompts::inform, QMessageBox::Information}}) {
        ModalDriver driver;
        bool seen = false;
        driver.whenShown<QMessageBox>([&](QMessageBox& box) {
            seen = true;
            EXPECT_EQ(box.windowTitle(), "Zuvaduro");
            EXPECT_EQ(box.text(), "Disk full while accessing /tmp/<i>y.did.");
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_EQ(box.icon(), c.icon);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
            box.accept();
        });
        DialogPrompts prompts(nullptr);
        (prompts.*c.show)("Disk full while accessing /tmp/<i>y.did.");
        EXPECT_TRUE(seen);
    }
}

TEST(ShellDialogPrompts, openDialogOffersTheDocumentFilterFirstAndExistingFilesOnly) {
    ModalDriver driver;
    driver.whenShown<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Open");
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        ASSERT_EQ(dialog.nameFilters().size(), 2);
        EXPECT_TRUE(dialog.nameFilters()[0].startsWith("Mercenary Contracts(*.did)"));
        EXPECT_TRUE(dialog.nameFilters()[0].contains("*.DID"));
        EXPECT_TRUE(dialog.nameFilters()[1].startsWith("All Files (*.*)"));
        // The document filter is the one in force; its patterns stay out of sight.
        EXPECT_TRUE(dialog.nameFilters()[0].startsWith(dialog.selectedNameFilter()));
        dialog.reject();
    });
    DialogPrompts prompts(nullptr);
    QString path = "unchanged";
    EXPECT_FALSE(prompts.askOpenPath(path));
    EXPECT_EQ(path, "unchanged");
}

TEST(ShellDialogPrompts, saveDialogProposesTheNameAndReturnsTheChoice) {
    QTemporaryDir dir;
    const QString chosen = dir.filePath("offers.did");
    ModalDriver driver;
    driver.whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save As");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        ASSERT_FALSE(dialog.selectedFiles().isEmpty());
        EXPECT_TRUE(dialog.selectedFiles()[0].endsWith("Untitled.DID"));
        // Typed as a user would: the name field has the focus.
        dialog.setDirectory(dir.path());
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("offers.did");
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    DialogPrompts prompts(nullptr);
    QString path;
    ASSERT_TRUE(prompts.askSavePath("Untitled.DID", path));
    EXPECT_EQ(path, chosen);
}

// Enter in Save As writes the document's own file: the dialog's filter does not turn "sa.did"
// into "sa.DID", a second file.
TEST(ShellDialogPrompts, saveAsKeepsTheProposedNameAsItIs) {
    QTemporaryDir dir;
    for (const QString name : {"sa.did", "notes.txt"}) {
        ModalDriver driver;
        driver.whenShown<QFileDialog>([](QFileDialog& dialog) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        DialogPrompts prompts(nullptr);
        QString path;
        ASSERT_TRUE(prompts.askSavePath(dir.filePath(name), path));
        EXPECT_EQ(path.toStdString(), dir.filePath(name).toStdString());
    }
}

TEST(ShellDialogPrompts, listingPrintDialogKeepsPrintToFile) {
    ModalDriver driver;
    bool seen = false;
    driver.whenShown<QPrintDialog>([&](QPrintDialog& dialog) {
        seen = true;
        EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
        dialog.reject();
    });
    DialogPrompts prompts(nullptr);
    QPrinter printer;
    EXPECT_FALSE(prompts.choosePrinterForListing(printer));
    EXPECT_TRUE(seen);
}

}  // namespace
