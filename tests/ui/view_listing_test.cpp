#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "listing/ListingPlan.h"
#include "listing/RollExplanation.h"
#include "session/DocumentSession.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/RecordingDevice.h"
#include "tests/ui/shell_test_support.h"
#include "view/DrawListing.h"
#include "view/ListingView.h"

namespace {

std::vector<DrawnText> record(const ContractDocument& doc, int labelX, int valueX, int lineHeight,
                              int top = 0, int rightEdge = INT_MAX) {
    RecordingDevice device;
    QPainter painter(&device);
    drawListing(painter, doc, labelX, valueX, lineHeight, top, rightEdge);
    painter.end();
    return device.texts();
}

class ListingTest : public ::testing::Test {
protected:
    ListingTest() : session(settings, 1u), doc(session.document()) { doc.resetToUntitled(); }
    MemorySettings settings;
    DocumentSession session;
    ContractDocument& doc;
    FakePrompts prompts;
};

// ---- drawListing -----------------------------------------------------------------------------

TEST_F(ListingTest, noOffersDrawsExactlyTheTwoTopLines) {
    const std::vector<DrawnText> texts = record(doc, 10, 300, 20);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "Dragoon's Rating:");
    EXPECT_EQ(texts[1].text, "D");
    EXPECT_EQ(texts[2].text, "Contract Offers:");
    EXPECT_EQ(texts[3].text, "0");
    EXPECT_EQ(texts[0].baseline.x(), 10);
    EXPECT_EQ(texts[1].baseline.x(), 300);
    EXPECT_EQ(texts[3].baseline.x(), 300);
}

TEST_F(ListingTest, linesSitAtTheirNumberTimesThePitchFromTheTop) {
    shelltest::fillOffers(doc, 4);
    const int pitch = 17;
    const int top = -40;
    const std::vector<DrawnText> texts = record(doc, 0, 200, pitch, top);
    // 4 top texts, then per offer a header and 15 labels of which 13 carry a value.
    ASSERT_EQ(texts.size(), 4u + 4u * 29u);
    const double ascent = texts[0].baseline.y() - (top + pitch);
    auto lineOf = [&](const DrawnText& drawn) {
        return (drawn.baseline.y() - ascent - top) / pitch;
    };
    for (const DrawnText& drawn : texts) {
        const double line = lineOf(drawn);
        EXPECT_DOUBLE_EQ(line, std::round(line)) << drawn.text.toStdString();
    }
    auto find = [&](const QString& text) {
        for (const DrawnText& drawn : texts) {
            if (drawn.text == text) {
                return drawn;
            }
        }
        ADD_FAILURE() << "not drawn: " << text.toStdString();
        return DrawnText{};
    };
    EXPECT_EQ(lineOf(find("First Contract:")), 4);
    EXPECT_EQ(lineOf(find("Fourth Contract:")), 55);
    EXPECT_EQ(lineOf(find("o1-employer")), 5);
    EXPECT_EQ(lineOf(find("o4-location")), 70);
    EXPECT_EQ(find("o4-location").baseline.x(), 200);
    EXPECT_EQ(find("     Location:").baseline.x(), 0);
}

TEST_F(ListingTest, countAboveFourShowsFourBlocksAndTheCountAsStored) {
    shelltest::fillOffers(doc, 4);
    doc.m_offerCount = 7;
    const std::vector<DrawnText> texts = record(doc, 0, 200, 10);
    EXPECT_EQ(texts[3].text, "7");
    EXPECT_EQ(texts.size(), 4u + 4u * 29u);
}

TEST_F(ListingTest, blocksStopAtTheCountWhateverLaterOffersHold) {
    shelltest::fillOffers(doc, 2);
    for (const DrawnText& drawn : record(doc, 0, 200, 10)) {
        EXPECT_FALSE(drawn.text.startsWith("o3-")) << drawn.text.toStdString();
        EXPECT_NE(drawn.text, "Third Contract:");
    }
}

TEST_F(ListingTest, emptyValuesDrawNothing) {
    shelltest::fillOffers(doc, 1);
    doc.m_offers[0].employer.clear();
    doc.m_rating.clear();
    const std::vector<DrawnText> texts = record(doc, 0, 200, 10);
    EXPECT_EQ(texts.size(), 3u + 28u);
}

TEST_F(ListingTest, aHugeValueIsCutNearTheRightEdgeAndLooksTheSame) {
    doc.m_rating = std::string(8 * 1024 * 1024, 'W');  // 8 MB
    QElapsedTimer timer;
    timer.start();
    const std::vector<DrawnText> texts = record(doc, 0, 100, 20, 0, 400);
    EXPECT_LT(timer.elapsed(), 2000);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_GT(texts[1].text.size(), 0);
    EXPECT_LE(texts[1].text.size(), 300 + 8);

    // The drawn pixels are those of the whole text.
    doc.m_rating = std::string(3000, 'M') + "tail";
    QImage cut(400, 80, QImage::Format_RGB32);
    QImage whole(400, 80, QImage::Format_RGB32);
    for (QImage* image : {&cut, &whole}) {
        image->fill(Qt::white);
    }
    {
        QPainter painter(&cut);
        drawListing(painter, doc, 0, 100, 20, 0, cut.width());
    }
    {
        QPainter painter(&whole);
        const int ascent = painter.fontMetrics().ascent();
        painter.drawText(QPoint(0, 20 + ascent), "Dragoon's Rating:");
        painter.drawText(QPoint(100, 20 + ascent), QString::fromStdString(doc.m_rating));
        painter.drawText(QPoint(0, 40 + ascent), "Contract Offers:");
        painter.drawText(QPoint(100, 40 + ascent), "0");
    }
    EXPECT_TRUE(cut == whole);
}

TEST(visibleText, keepsShortTextsWholeAndNeverSplitsACharacter) {
    const QFontMetrics metrics{QFont()};
    EXPECT_EQ(visibleText("short", metrics, 500), "short");
    EXPECT_EQ(visibleText("anything", metrics, 0), "");
    std::string mixed;
    for (int i = 0; i < 20000; ++i) {
        mixed += "\xE2\x82\xAC";  // "€", three bytes
    }
    const QString cut = visibleText(mixed, metrics, 50);
    EXPECT_GT(cut.size(), 0);
    EXPECT_FALSE(cut.contains(QChar::ReplacementCharacter));
    EXPECT_EQ(cut, QString(cut.size(), QChar(0x20AC)));
}

// ---- the view widget -------------------------------------------------------------------------

TEST_F(ListingTest, viewMeasuresItsFontAndScrollsOverSeventyCharsBySeventyOneLines) {
    ListingView view(session, prompts);
    view.resize(300, 200);
    view.show();
    const QFontMetrics metrics(view.font());
    EXPECT_EQ(view.lineHeight(), metrics.lineSpacing());
    EXPECT_EQ(view.charWidth(), metrics.averageCharWidth());
    const int width = 70 * view.charWidth();
    const int height = 71 * view.lineHeight();
    const QScrollBar* h = view.horizontalScrollBar();
    const QScrollBar* v = view.verticalScrollBar();
    EXPECT_EQ(h->maximum(), std::max(0, width - view.viewport()->width()));
    EXPECT_EQ(v->maximum(), std::max(0, height - view.viewport()->height()));
    EXPECT_EQ(h->pageStep(), width / 10);
    EXPECT_EQ(v->pageStep(), height / 10);
    EXPECT_EQ(h->singleStep(), std::max(1, width / 100));
    EXPECT_EQ(v->singleStep(), std::max(1, height / 10 / 10));
}

TEST_F(ListingTest, lineUnderAPointCountsTheScrollPosition) {
    ListingView view(session, prompts);
    view.resize(300, 200);
    view.show();
    const int lh = view.lineHeight();
    ASSERT_GT(lh, 0);
    EXPECT_EQ(view.lineAtViewportY(0), 0);
    EXPECT_EQ(view.lineAtViewportY(lh - 1), 0);
    EXPECT_EQ(view.lineAtViewportY(lh), 1);
    EXPECT_EQ(view.lineAtViewportY(2 * lh - 1), 1);
    view.verticalScrollBar()->setValue(3 * lh + 2);
    EXPECT_EQ(view.lineAtViewportY(lh - 2), 4);
    EXPECT_EQ(view.lineAtViewportY(lh - 3), 3);
}

TEST_F(ListingTest, homeAndEndGoToTheTopAndTheBottomWithOrWithoutCtrl) {
    ListingView view(session, prompts);
    view.resize(300, 200);
    view.show();
    QScrollBar* bar = view.verticalScrollBar();
    const int bottom = bar->maximum();
    ASSERT_GT(bottom, 0);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    } keys[] = {
        {Qt::Key_Home, Qt::NoModifier, 0},
        {Qt::Key_Home, Qt::ControlModifier, 0},
        {Qt::Key_End, Qt::NoModifier, bottom},
        {Qt::Key_End, Qt::ControlModifier, bottom},
        {Qt::Key_Home, Qt::ShiftModifier, bottom / 2},  // not a listing key: nothing moves
    };
    for (const auto& press : keys) {
        bar->setValue(bottom / 2);
        QTest::keyClick(&view, press.key, press.modifiers);
        EXPECT_EQ(bar->value(), press.expected) << press.key << " " << press.modifiers;
    }
}

TEST_F(ListingTest, doubleClickEditsTheLineUnderTheScrolledPointAndRedraws) {
    shelltest::fillOffers(doc, 1);
    ListingView view(session, prompts);
    view.resize(300, 120);
    view.show();
    const int lh = view.lineHeight();
    view.verticalScrollBar()->setValue(2 * lh);
    prompts.editAnswer = "Davion";
    int changes = 0;
    QObject::connect(&session, &DocumentSession::changed, [&changes] { ++changes; });
    // Line 5 (the first employer) is 3 lines below the top after scrolling by 2.
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(20, 3 * lh + lh / 2));
    EXPECT_EQ(doc.m_offers[0].employer, "Davion");
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(prompts.editsShown.size(), 1u);
    EXPECT_EQ(prompts.editsShown[0].second, "o1-employer");
}

TEST_F(ListingTest, theCurrentLineFollowsClicksAndKeysOverEditableLinesAndShowsHighlighted) {
    shelltest::fillOffers(doc, 1);
    ListingView view(session, prompts);
    view.resize(300, 220);
    view.show();
    const int lh = view.lineHeight();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(20, 4 * lh + 1));  // header
    EXPECT_EQ(view.currentLine(), 4);
    const QImage shown = view.viewport()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(view.viewport()->width() - 2, 4 * lh + lh / 2),
              view.palette().color(QPalette::Highlight));
    EXPECT_EQ(shown.pixelColor(view.viewport()->width() - 2, 3 * lh + lh / 2),
              view.palette().color(QPalette::Base));
    QTest::mouseMove(view.viewport(), QPoint(20, 5 * lh + 1));
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(view.viewport(), QPoint(20, 9 * lh + 1));  // "Support:"
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::ArrowCursor);

    // Up and Down skip the count, headers, sub-headings and blank lines, and stop at the ends.
    const struct {
        Qt::Key key;
        int line;
    } keys[] = {{Qt::Key_Up, 1}, {Qt::Key_Up, 1}, {Qt::Key_Down, 5}, {Qt::Key_Down, 6}};
    for (const auto& press : keys) {
        QTest::keyClick(&view, press.key);
        EXPECT_EQ(view.currentLine(), press.line);
    }
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(&view, Qt::Key_Down);
    }
    EXPECT_EQ(view.currentLine(), 19);
    const QScrollBar* bar = view.verticalScrollBar();
    EXPECT_GE(bar->value() + view.viewport()->height(), 20 * lh);  // scrolled along

    prompts.editAnswer = "Tharkad";
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(doc.m_offers[0].location, "Tharkad");
    EXPECT_EQ(session.history().undoText(), "Edit Location");
}

TEST_F(ListingTest, theLineMenuRollsOnlyTheTenTermsAndCopiesTheValue) {
    shelltest::fillOffers(doc, 1);
    ListingView view(session, prompts);
    EXPECT_EQ(view.createLineMenu(4, &view), nullptr);  // a header
    for (int line : {1, 5, 16, 17, 19}) {
        std::unique_ptr<QMenu> menu(view.createLineMenu(line, &view));
        ASSERT_NE(menu, nullptr) << line;
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 3) << line;
        EXPECT_EQ(actions[1]->text(), "&Roll Term Again");
        EXPECT_EQ(actions[1]->isEnabled(), line >= 5 && line <= 16) << line;
    }
    std::unique_ptr<QMenu> count(view.createLineMenu(listing::kCountLine, &view));
    ASSERT_NE(count, nullptr) << "the offer count cannot be edited but can be copied";
    ASSERT_EQ(count->actions().size(), 1);
    count->actions()[0]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1");
    std::unique_ptr<QMenu> menu(view.createLineMenu(6, &view));
    menu->actions()[2]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "o1-assignment");
    menu->actions()[1]->trigger();
    EXPECT_NE(doc.m_offers[0].assignment, "o1-assignment");
    EXPECT_EQ(session.history().undoText(), "Roll Assignment Again");
}

TEST_F(ListingTest, printCommandWritesOnePageWhereTheDialogPoints) {
    shelltest::fillOffers(doc, 2);
    ListingView view(session, prompts);
    QTemporaryDir dir;
    prompts.pdfPath = dir.filePath("listing.pdf");
    view.printListing();
    EXPECT_EQ(prompts.listingPrintersAsked, 1);
    QFile pdf(prompts.pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(prompts.warnings.isEmpty());

    FakePrompts cancelled;
    ListingView other(session, cancelled);
    other.printListing();  // no pdfPath: the dialog is cancelled, nothing printed or said
    EXPECT_EQ(cancelled.listingPrintersAsked, 1);
    EXPECT_TRUE(cancelled.warnings.isEmpty());
}

// ---- what a screen reader gets ----------------------------------------------------------------

TEST_F(ListingTest, aReaderGetsTheLinesByNameWithTheirRollsAndFollowsTheCurrentLine) {
    shelltest::fillOffers(doc, 2);
    ListingView view(session, prompts);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), "Offer listing");
    // The rating, the count, then each offer's header and fifteen lines; blank lines are left out.
    ASSERT_EQ(list->childCount(), 2 + 2 * 16);
    const struct {
        int index;
        const char* name;
        bool editable;
    } rows[] = {
        {0, "Rating: D", true},
        {1, "Contract Offers: 2", false},
        {2, "First Contract", false},
        {4, "Assignment: o1-assignment", true},
        {5, "Contract Length: o1-contractLength", true},
        {7, "Support", false},
        {18, "Second Contract", false},
        {33, "Location: o2-location", true},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* line = list->child(row.index);
        ASSERT_NE(line, nullptr) << row.name;
        EXPECT_EQ(line->role(), QAccessible::ListItem) << row.name;
        EXPECT_EQ(line->text(QAccessible::Name), row.name);
        EXPECT_EQ(line->state().editable, row.editable) << row.name;
        EXPECT_EQ(list->indexOfChild(line), row.index) << row.name;
        EXPECT_EQ(line->parent(), list) << row.name;
    }
    QAccessibleInterface* assignment = list->child(4);
    EXPECT_EQ(assignment->text(QAccessible::Description).toStdString(),
              *explainField(doc, 0, &ContractOffer::assignment));

    // Edit is the default action; it runs once the reader's request is answered.
    auto* actions = assignment->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_EQ(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
    prompts.editAnswer = "Retainer";
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(doc.m_offers[0].assignment, "Retainer");
    EXPECT_EQ(assignment->text(QAccessible::Name), "Assignment: Retainer");
    EXPECT_EQ(list->focusChild(), assignment) << "the edit made its line current";

    // The events that tell a reader of the moves need its bus: scripts/a11y-check hears them.
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(list->focusChild(), list->child(5));
    EXPECT_TRUE(list->child(5)->state().focused);
    EXPECT_FALSE(assignment->state().focused);
}

}  // namespace
