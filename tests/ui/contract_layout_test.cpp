#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <set>

#include "document/ContractOffer.h"
#include "document/MemorySettings.h"
#include "document/SettingsStore.h"
#include "listing/PageGeometry.h"
#include "tests/ui/RecordingDevice.h"
#include "view/ContractPrinter.h"
#include "view/PrintFont.h"

namespace {

// A 600 dpi page in memory: layout needs the device's metrics, not a printer.
struct Page {
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    explicit Page(QPageSize::PageSizeId size) {
        buffer.open(QIODevice::WriteOnly);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(size));
    }
};

ContractOffer sampleOffer() {
    ContractOffer offer;
    offer.employer = "Federated Commonwealth";
    offer.assignment = "Garrison Duty against Clans";
    offer.contractLength = "2 years";
    offer.paymentMultiplier = "1.45x Pay = (145000.00 C-Bills)";
    offer.location = "Outreach";
    return offer;
}

class ContractLayoutTest : public ::testing::TestWithParam<QPageSize::PageSizeId> {
protected:
    MemorySettings settings;
};

TEST_P(ContractLayoutTest, bodyStartsUnderTheTitleBandAndStaysInsideItsBand) {
    Page page(GetParam());
    const ContractPageLayout layout = layOutContractPage(page.writer, sampleOffer(), settings);
    const PageRect& band = layout.geometry.body;
    const QFontMetricsF metrics(layout.bodyFont, &page.writer);

    ASSERT_GT(layout.body.size(), 20u);
    // The text begins with two line feeds: two blank lines, then the agreement.
    EXPECT_TRUE(layout.body[0].text.isEmpty());
    EXPECT_TRUE(layout.body[1].text.isEmpty());
    EXPECT_TRUE(layout.body[2].text.startsWith("This agreement, executed between"));
    for (std::size_t i = 0; i < layout.body.size(); ++i) {
        const PlacedLine& line = layout.body[i];
        EXPECT_EQ(line.box.top(), band.top + static_cast<int>(i) * layout.lineHeight) << i;
        EXPECT_EQ(line.box.left(), band.left) << i;
        EXPECT_LE(metrics.horizontalAdvance(line.text), band.right - band.left) << i;
        EXPECT_LT(line.box.top(), band.bottom) << i;
    }
    EXPECT_TRUE(layout.body.back().text.endsWith("witnessed."));
}

TEST_P(ContractLayoutTest, signatureLinesAreCentredAndFitAboveTheCredit) {
    Page page(GetParam());
    const ContractPageLayout layout = layOutContractPage(page.writer, sampleOffer(), settings);
    const PageRect& band = layout.geometry.signature;

    ASSERT_EQ(layout.signature.size(), 11u);
    EXPECT_TRUE(layout.signature[2].text.startsWith("Signed at"));
    EXPECT_EQ(layout.signature[10].text, QString(26, '_'));
    for (const PlacedLine& line : layout.signature) {
        EXPECT_GE(line.box.left(), band.left);
        EXPECT_LE(line.box.right(), band.right);
        EXPECT_NEAR(line.box.left() - band.left, band.right - line.box.right(), 1.0)
            << line.text.toStdString();
        EXPECT_LE(line.box.bottom(), band.bottom);
    }
}

// One field of 200 MB crashed the text layout, and one of 100 MB left the body empty. A long
// value is cut, and the page says so where the value ends.
TEST_P(ContractLayoutTest, aHugeValueIsCutAndThePageSaysSo) {
    Page page(GetParam());
    ContractOffer offer = sampleOffer();
    offer.employer.assign(1'000'000, 'W');
    const ContractPageLayout layout = layOutContractPage(page.writer, offer, settings);
    QString body;
    for (const PlacedLine& line : layout.body) {
        body += line.text + ' ';
    }
    EXPECT_TRUE(body.contains("This agreement, executed between WWW")) << body.toStdString();
    EXPECT_TRUE(
        body.contains(QString::fromUtf8("W\u2026 (cut: 1,000,000 characters in all) "
                                        "(hereafter designated")))
        << body.toStdString();
}

INSTANTIATE_TEST_SUITE_P(PageSizes, ContractLayoutTest,
                         ::testing::Values(QPageSize::A4, QPageSize::Letter));

// ---- painting ---------------------------------------------------------------------------------

// A field whose characters need a fallback font with a taller ascent (CJK) once pushed its line
// about 2 pt down into the next one. Every text of the body and the signature block must sit
// the same distance below the top of its line pitch.
TEST(ContractPagePaintTest, everyLineKeepsTheBodyPitchWhateverFontsItsTextNeeds) {
    ASSERT_FALSE(QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
        << "needs a font with CJK characters (fonts-droid-fallback)";
    MemorySettings settings;
    settings.writeText(settings::kSection, settings::kUnitSize, "2 Regiments \u6771\u4eac");
    ContractOffer offer = sampleOffer();
    offer.location = "T\u014dky\u014d \u6771\u4eac";
    RecordingDevice device(4800, 6600, 600);  // a Letter page's printable area at 600 dpi
    const ContractPageLayout layout = layOutContractPage(device, offer, settings);
    QPainter painter(&device);
    paintContractPage(painter, layout);
    painter.end();

    std::vector<PlacedLine> lines = layout.body;
    lines.insert(lines.end(), layout.signature.begin(), layout.signature.end());
    const ContractPageGeometry& page = layout.geometry;
    std::set<qreal> offsets;
    int cjkTexts = 0;
    for (const DrawnText& drawn : device.texts()) {
        const qreal y = drawn.baseline.y();
        if (y < page.body.top || y >= page.signature.bottom) {
            continue;  // title and credit line
        }
        const auto line = std::find_if(lines.rbegin(), lines.rend(),
                                       [y](const PlacedLine& l) { return l.box.top() <= y; });
        ASSERT_NE(line, lines.rend()) << drawn.text.toStdString();
        offsets.insert(y - line->box.top());
        cjkTexts += drawn.text.contains(QChar(0x6771)) ? 1 : 0;
    }
    EXPECT_EQ(cjkTexts, 2);
    ASSERT_EQ(offsets.size(), 1u) << "baselines " << *offsets.begin() << " and "
                                  << *offsets.rbegin() << " below the line tops";
    EXPECT_LT(*offsets.begin(), layout.lineHeight);
}

// ---- wrapping on its own ----------------------------------------------------------------------

TEST(PlaceTextLinesTest, cutsTheTextAtTheBandBottom) {
    Page page(QPageSize::A4);
    const QFont font = makePrintFont(page.writer);
    const int lh = printLineHeight(font, page.writer);
    // Room for three full lines and part of a fourth.
    const PageRect band{100, 200, 2000, 200 + 3 * lh + lh / 2};
    const QString text = QString("word ").repeated(2000);

    const std::vector<PlacedLine> lines = placeTextLines(text, font, page.writer, band, lh, false);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines.back().box.top(), 200 + 3 * lh);
}

TEST(PlaceTextLinesTest, breaksAWordWiderThanTheBand) {
    Page page(QPageSize::A4);
    const QFont font = makePrintFont(page.writer);
    const int lh = printLineHeight(font, page.writer);
    const PageRect band{0, 0, 1000, 100 * lh};
    const QString word(300, 'X');
    const QFontMetricsF metrics(font, &page.writer);

    const std::vector<PlacedLine> lines = placeTextLines(word, font, page.writer, band, lh, true);
    ASSERT_GT(lines.size(), 1u);
    QString joined;
    for (const PlacedLine& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line.text), 1000.0);
        joined += line.text;
    }
    EXPECT_EQ(joined, word);
}

}  // namespace
