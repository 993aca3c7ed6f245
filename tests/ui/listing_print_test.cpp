#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "listing/ContractText.h"
#include "listing/PageGeometry.h"
#include "tests/support/PdfTools.h"
#include "tests/ui/shell_test_support.h"
#include "view/ListingPrinter.h"
#include "view/OfferDetailsPrinter.h"
#include "view/PrintFont.h"

namespace {

using namespace testsupport;

const PdfWord* find(const std::vector<PdfWord>& words, const QString& text) {
    for (const PdfWord& word : words) {
        if (word.text == text) {
            return &word;
        }
    }
    ADD_FAILURE() << "not in the PDF: " << text.toStdString();
    return nullptr;
}

class ListingPrintTest : public ::testing::Test {
protected:
    ListingPrintTest() : doc(settings), printer(QPrinter::HighResolution) {
        doc.resetToUntitled();
        doc.m_rating = "B";
        shelltest::fillOffers(doc, 4);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("listing.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    QTemporaryDir dir;
    MemorySettings settings;
    ContractDocument doc;
    QPrinter printer;
};

TEST_F(ListingPrintTest, fourOffersFitOnePageWithLabelsLeftOfValues) {
    ASSERT_TRUE(printListingOn(printer, doc));
    const QString pdf = printer.outputFileName();

    const QString text = pdfLayoutText(pdf);
    EXPECT_EQ(text.count('\f'), 1) << "exactly one page";
    for (const char* expected : {"Dragoon's Rating:", "Contract Offers:", "First Contract:",
                                 "Fourth Contract:", "Payment Mulitplier:", "o4-location"}) {
        EXPECT_TRUE(text.contains(expected)) << expected;
    }
    for (const QString& line : text.split('\n')) {
        const qsizetype label = line.indexOf("Employer:");
        if (label >= 0) {
            EXPECT_LT(label, line.indexOf("-employer")) << line.toStdString();
        }
    }
}

TEST_F(ListingPrintTest, columnsAtAThirteenthAndHalfTheWidthCreditAboveTheBottomLimit) {
    // Device geometry, as the page routine sees it.
    const QFont font = makePrintFont(printer);
    const int lineHeight = printLineHeight(font, printer);
    const int H = printer.width();
    const int V = printer.height();
    const ListingPageGeometry page = computeListingPage(H, V, lineHeight);
    ASSERT_TRUE(printListingOn(printer, doc));

    // Device pixels to PDF points: the printable area starts at the page's margins.
    const QRectF paint = printer.pageLayout().paintRectPoints();
    const double scale = 72.0 / printer.resolution();
    auto x = [&](int device) { return paint.left() + device * scale; };
    auto y = [&](int device) { return paint.top() + device * scale; };
    const double slack = 1.5;

    const std::vector<PdfWord> words = pdfWords(printer.outputFileName());
    const PdfWord* label = find(words, "Dragoon's");
    const PdfWord* value = find(words, "B");
    const PdfWord* lastValue = find(words, "o4-location");
    ASSERT_TRUE(label && value && lastValue);
    EXPECT_NEAR(label->xMin, x(page.labelX), slack);
    EXPECT_NEAR(value->xMin, x(page.valueX), slack);
    EXPECT_NEAR(lastValue->xMin, x(page.valueX), slack);
    // Line n's text lies between n and n+1 line pitches from the top of the printable area.
    EXPECT_GE(label->yMin, y(lineHeight) - slack);
    EXPECT_LE(label->yMax, y(2 * lineHeight) + slack);
    EXPECT_GE(lastValue->yMin, y(70 * lineHeight) - slack);
    EXPECT_LE(lastValue->yMax, y(71 * lineHeight) + slack);

    const QString credit = QString::fromStdString(creditLine());
    const QString firstWord = credit.section(' ', 0, 0);
    const QString lastWord = credit.section(' ', -1);
    const PdfWord* creditStart = find(words, firstWord);
    const PdfWord* creditEnd = find(words, lastWord);
    ASSERT_TRUE(creditStart && creditEnd);
    EXPECT_GE(creditStart->yMin, y(page.credit.top) - slack);
    EXPECT_LE(creditStart->yMax, y(page.credit.bottom) + slack);
    // Centred: as far from the left edge as the end is from the right.
    EXPECT_NEAR(creditStart->xMin - x(0), x(H) - creditEnd->xMax, 3.0);
}

TEST_F(ListingPrintTest, aHugeValuePrintsQuicklyOnOnePage) {
    doc.m_offers[0].employer = std::string(16 * 1024 * 1024, 'K');
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(printListingOn(printer, doc));
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_LT(QFileInfo(printer.outputFileName()).size(), 1024 * 1024);
    EXPECT_EQ(pdfLayoutText(printer.outputFileName()).count('\f'), 1);
}

// A details table longer than its page (long texts in every cell, a small page) is drawn smaller
// rather than cut at its foot: the last row, transport "21%, 31%", is on the page, inside it.
TEST_F(ListingPrintTest, detailsTableLongerThanThePageIsDrawnSmallerNotCut) {
    const std::string words =
        "Objective Raid against Clans on a planet far beyond the periphery's edge, with notes";
    for (int k = 0; k < kMaxOffers; ++k) {
        ContractOffer& offer = doc.m_offers[static_cast<std::size_t>(k)];
        for (const auto field : ContractOffer::kFields) {
            offer.*field = words;
        }
        offer.dsjsCompensation = "2" + std::to_string(k + 1) + "%";
        offer.commercialCompensation = "3" + std::to_string(k + 1) + "%";
    }
    printer.setPageSize(QPageSize(QPageSize::A6));
    ASSERT_TRUE(printOfferDetailsOn(printer, doc, QDate(3055, 1, 1)));
    const QString pdf = printer.outputFileName();
    EXPECT_EQ(pdfInfoField(pdf, "Pages"), "1");
    const double pageHeight =
        pdfInfoField(pdf, "Page size").section(' ', 2, 2).toDouble();  // "297.6 x 419.5 pts"
    ASSERT_GT(pageHeight, 400.0);
    const std::vector<PdfWord> all = pdfWords(pdf);
    for (const char* lastRow : {"21%,", "31%", "24%,", "34%"}) {
        const PdfWord* word = find(all, lastRow);
        ASSERT_NE(word, nullptr);
        EXPECT_LE(word->yMax, pageHeight) << lastRow;
    }
}

}  // namespace
