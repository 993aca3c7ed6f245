#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <string>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "document/SettingsStore.h"
#include "tests/support/PdfTools.h"
#include "tests/ui/FakePrompts.h"
#include "view/Commands.h"
#include "view/ListingPrinter.h"

namespace {

using namespace testsupport;

const QString kReminder = "Remember to change the Dates, and Location before printing.";

class PrintContractTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MemorySettings settings;
    ContractDocument doc{settings};
    FakePrompts prompts;
    QString pdf;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath("contracts.pdf");
        prompts.pdfPath = pdf;
        doc.resetToUntitled();
        doc.setTitle("offers.DID");
        const char* employers[] = {"Draconis Combine", "Free Worlds League", "Ilyrian Palatinate",
                                   "Federated Commonwealth"};
        for (std::size_t k = 0; k < 4; ++k) {
            ContractOffer& offer = doc.m_offers[k];
            offer.employer = employers[k];
            offer.assignment = "Garrison Duty";
            offer.location = "Planet" + std::to_string(k + 1);
            offer.salvageRights = "Exchange Rights";
        }
        settings.writeText(settings::kSection, settings::kUnitName, "Gray Company");
    }
};

TEST_F(PrintContractTest, twoTickedOffersPrintTwoPagesFirstOfferFirst) {
    doc.m_offerCount = 2;
    prompts.contractsAnswer = std::array<bool, 4>{true, true, false, false};

    runPrintContract(doc, prompts);

    EXPECT_EQ(prompts.warnings, QStringList{kReminder});
    EXPECT_EQ(settings.readNumber(settings::kSection, settings::kInt, -1), 2);
    EXPECT_EQ(prompts.contractPrintersAsked, 1);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(pdfPageCount(pdf), 2);
    EXPECT_EQ(pdfInfoField(pdf, "Title"), "offers.DID");

    const QString first = pdfPageText(pdf, 1);
    const QString second = pdfPageText(pdf, 2);
    EXPECT_TRUE(first.contains("executed between Draconis Combine")) << first.toStdString();
    EXPECT_TRUE(first.contains("located on Planet1;"));
    EXPECT_FALSE(first.contains("Free Worlds League"));
    EXPECT_TRUE(second.contains("executed between Free Worlds League")) << second.toStdString();
    EXPECT_TRUE(second.contains("located on Planet2;"));
    for (const QString& page : {first, second}) {
        EXPECT_TRUE(page.startsWith("Mercenary Contract"));
        EXPECT_TRUE(page.contains("and Gray Company (hereafter designated \"Unit\")"));
        EXPECT_TRUE(page.contains("IX. Other Terms:"));
        EXPECT_TRUE(page.contains("Witnessed by: ____________"));
        EXPECT_TRUE(page.endsWith("Printed by Zuvaduro, the mercenary contract generator"));
    }
}

TEST_F(PrintContractTest, pagesFollowTheOfferOrderWhateverIsSkipped) {
    doc.m_offerCount = 4;
    prompts.contractsAnswer = std::array<bool, 4>{false, true, false, true};

    runPrintContract(doc, prompts);

    ASSERT_EQ(pdfPageCount(pdf), 2);
    EXPECT_TRUE(pdfPageText(pdf, 1).contains("executed between Free Worlds League"));
    EXPECT_TRUE(pdfPageText(pdf, 2).contains("executed between Federated Commonwealth"));
}

TEST_F(PrintContractTest, cancelInEitherDialogPrintsNothingButTheReminderCame) {
    doc.m_offerCount = 3;
    // Cancel in the selection dialog: no print dialog, no file.
    runPrintContract(doc, prompts);
    EXPECT_EQ(prompts.warnings, QStringList{kReminder});
    EXPECT_EQ(prompts.contractsAsked, 1);
    EXPECT_EQ(prompts.contractPrintersAsked, 0);
    EXPECT_EQ(settings.readNumber(settings::kSection, settings::kInt, -1), 3);
    EXPECT_FALSE(QFile::exists(pdf));

    // Cancel in the print dialog.
    prompts.contractsAnswer = std::array<bool, 4>{true, true, true, false};
    prompts.printerAnswer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    };
    runPrintContract(doc, prompts);
    EXPECT_EQ(prompts.warnings, (QStringList{kReminder, kReminder}));
    EXPECT_EQ(prompts.contractPrintersAsked, 1);
    EXPECT_FALSE(QFile::exists(pdf));
}

// Once a blank one-page PDF: OK with no box ticked, with or without offers to tick.
TEST_F(PrintContractTest, okWithNothingTickedPrintsNothingAndWritesNoFile) {
    for (int offers : {0, 3}) {
        doc.m_offerCount = offers;
        prompts.contractsAnswer = std::array<bool, 4>{};

        runPrintContract(doc, prompts);

        EXPECT_EQ(settings.readNumber(settings::kSection, settings::kInt, -1), offers);
        EXPECT_EQ(prompts.contractPrintersAsked, 0) << offers;
        EXPECT_FALSE(QFile::exists(pdf)) << offers;
    }
    EXPECT_EQ(prompts.warnings, (QStringList{kReminder, kReminder}));
}

// However long the fields, a contract stays one page: the body is cut at its band, and the
// signature block and credit line are still printed.
TEST_F(PrintContractTest, overlongFieldsAreCutAndNeverSpillOntoASecondPage) {
    doc.m_offerCount = 1;
    std::string longText;
    for (int i = 0; i < 600; ++i) {
        longText += "spoils" + std::to_string(i) + " ";
    }
    doc.m_offers[0].salvageRights = longText;
    prompts.contractsAnswer = std::array<bool, 4>{true, false, false, false};

    runPrintContract(doc, prompts);

    ASSERT_EQ(pdfPageCount(pdf), 1);
    const QString page = pdfPageText(pdf, 1);
    EXPECT_TRUE(page.contains("spoils0"));
    EXPECT_FALSE(page.contains("spoils599"));
    EXPECT_FALSE(page.contains("IX. Other Terms:"));
    EXPECT_TRUE(page.contains("Witnessed by: ____________"));
    EXPECT_TRUE(page.endsWith("Printed by Zuvaduro, the mercenary contract generator"));
}

// Printing to a PDF file from the window never writes over the open document through a link;
// Print Contract and Print both refuse and say why.
TEST_F(PrintContractTest, aPdfFileThatIsTheOpenDocumentIsRefusedAndTheDocumentKept) {
    const QString document = dir.filePath("offers.did");
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("document") == 8);
    file.close();
    doc.setPathName(document.toStdString());
    prompts.pdfPath = dir.filePath("soft.pdf");
    ASSERT_TRUE(QFile::link(document, prompts.pdfPath));
    prompts.contractsAnswer = std::array<bool, 4>{true, false, false, false};
    runPrintContract(doc, prompts);
    EXPECT_EQ(prompts.warnings.value(1),
              prompts.pdfPath + " is the open document. Choose another file to write.");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath("hard.pdf"));
    ASSERT_EQ(::link(QFile::encodeName(document), QFile::encodeName(printer.outputFileName())), 0);
    EXPECT_FALSE(printListingOn(printer, doc).fileProblem.isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "document");
}

}  // namespace
