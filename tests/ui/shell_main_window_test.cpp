#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <QUndoStack>
#include <QUrl>
#include <QWhatsThis>
#include <functional>
#include <memory>
#include <set>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "listing/ListingPlan.h"
#include "listing/RollExplanation.h"
#include "session/DocumentSession.h"
#include "shell/FramePlacement.h"
#include "shell/MainWindow.h"
#include "shell/RecentFileList.h"
#include "tests/support/PdfTools.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/shell_test_support.h"
#include "view/ListingView.h"
#include "view/OfferDetails.h"
#include "view/OfferDetailsDock.h"

namespace {

using shelltest::documentBytes;
using shelltest::namedOffer;
using shelltest::shownTitle;
using shelltest::writeFile;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : session(settings, 1u), doc(session.document()), window(session, recent, &prompts) {
        doc.resetToUntitled();
        window.updateWindowTitle();
        window.placeOnScreen();
    }

    QString tempPath(const QString& name) const { return dir.filePath(name); }
    QString writeDocument(const QString& name, const std::string& rating, int offers) {
        std::vector<ContractOffer> list;
        for (int k = 0; k < offers; ++k) {
            list.push_back(namedOffer(k));
        }
        const QString path = tempPath(name);
        EXPECT_TRUE(writeFile(path, documentBytes(rating, offers, list)));
        return path;
    }
    QStringList visibleTexts(const QList<QAction*>& actions) const {
        QStringList texts;
        for (QAction* action : actions) {
            if (action->isVisible()) {
                texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
        }
        return texts;
    }
    QMenu* menu(int index) const { return window.menuBar()->actions().at(index)->menu(); }

    QTemporaryDir dir;
    MemorySettings settings;
    DocumentSession session;
    ContractDocument& doc;
    RecentFileList recent;
    FakePrompts prompts;
    MainWindow window;
};

// ---- start-up --------------------------------------------------------------------------------

TEST_F(MainWindowTest, startsUntitled525WideScreenLess25TallCentredWithoutStatusBar) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.width(), 525);
    EXPECT_EQ(window.height(), screen.height() - 25);
    EXPECT_EQ(window.x(), screen.x() + (screen.width() - 525) / 2);
    EXPECT_EQ(window.y(), screen.y() + 12);
    EXPECT_EQ(window.findChild<QStatusBar*>(), nullptr);
    EXPECT_EQ(window.centralWidget(), window.view());
    EXPECT_TRUE(window.acceptDrops());
    EXPECT_EQ(shownTitle(window), "Untitled - Zuvaduro");
}

// The main window at start (with room for the details), widened for them, and a 960x720 side
// window all lie with their frames on the available area; a scaled screen ("at1.5") is given as
// Qt sees it, its size and frame divided by the scale.
TEST(FramePlacementTest, placesEveryWindowWithItsFrameOnTheAvailableArea) {
    const struct {
        const char* name;
        QRect screen;
        QRect available;
        QMargins frame;
        int detailsRoom;
        FramePlacement start;  // with the details' room
        QRect widened;         // the start without the details, widened for them
        QRect side;
    } rows[] = {
        // clang-format off
        {"unframed",   {0, 0, 800, 600},  {0, 0, 800, 600},   {},            500, {{0, 12},   {800, 575}},
         {0, 12, 800, 575},    {0, 0, 800, 600}},
        {"framed",     {0, 0, 1024, 768}, {0, 0, 1024, 768},  {1, 20, 1, 5}, 500, {{0, 0},    {1022, 743}},
         {1, 20, 1022, 743},   {32, 31, 960, 720}},
        {"panelAbove", {0, 0, 1024, 768}, {0, 30, 1024, 738}, {1, 20, 1, 5}, 500, {{0, 30},   {1022, 713}},
         {1, 50, 1022, 713},   {32, 50, 960, 713}},
        {"narrow",     {0, 0, 480, 640},  {0, 0, 480, 640},   {},            500, {{0, 12},   {525, 615}},
         {0, 12, 525, 615},    {0, 0, 480, 640}},
        {"1366",       {0, 0, 1366, 768}, {0, 0, 1366, 768},  {1, 20, 1, 5}, 833, {{3, 0},    {1358, 743}},
         {7, 20, 1358, 743},   {203, 31, 960, 720}},
        {"1366at1.5",  {0, 0, 910, 512},  {0, 0, 910, 512},   {1, 13, 1, 3}, 600, {{0, 4},    {908, 487}},
         {1, 17, 908, 487},    {1, 13, 908, 496}},
        {"1600at2",    {0, 0, 800, 450},  {0, 0, 800, 450},   {1, 10, 1, 3}, 675, {{0, 6},    {798, 425}},
         {1, 16, 798, 425},    {1, 10, 798, 437}},
        // clang-format on
    };
    for (const auto& row : rows) {
        const auto onArea = [&row](const QRect& client) {
            const QRect frame = client.marginsAdded(row.frame);
            return row.available.contains(frame) || frame.width() > row.available.width();
        };
        const FramePlacement start =
            placeMainWindow(row.screen, row.available, row.frame, row.detailsRoom);
        EXPECT_EQ(start, row.start) << row.name;
        const QPoint toClient(row.frame.left(), row.frame.top());
        EXPECT_TRUE(onArea(QRect(start.frameTopLeft + toClient, start.clientSize))) << row.name;

        const FramePlacement alone = placeMainWindow(row.screen, row.available, row.frame);
        const QRect aloneClient(alone.frameTopLeft + toClient, alone.clientSize);
        const QRect widened = widenedClient(aloneClient, row.frame, row.available,
                                            kMainClientWidth + row.detailsRoom);
        EXPECT_EQ(widened, row.widened) << row.name;
        EXPECT_TRUE(onArea(widened)) << row.name;

        const QRect side = placeSideWindow(QSize(960, 720), row.available, row.frame);
        EXPECT_EQ(side, row.side) << row.name;
        EXPECT_TRUE(row.available.contains(side.marginsAdded(row.frame))) << row.name;
    }
}

TEST_F(MainWindowTest, titleFollowsTheDocumentAndShowsBracketsAsTyped) {
    doc.setTitle("raid [*] plans.did");
    window.updateWindowTitle();
    EXPECT_EQ(shownTitle(window), "raid [*] plans.did - Zuvaduro");
    prompts.editAnswer = "A";
    window.view()->setCurrentLine(1);
    window.view()->editCurrentLine();
    EXPECT_EQ(shownTitle(window), "raid [*] plans.did* - Zuvaduro");
    window.show();
    // What the window system gets still holds the brackets.
    EXPECT_TRUE(window.windowHandle()->title().contains("[*]"));
}

// ---- menus, keys and toolbar -----------------------------------------------------------------

TEST_F(MainWindowTest, menusHoldTheCommandsInOrderWithTheirKeys) {
    ASSERT_EQ(window.menuBar()->actions().size(), 5);
    EXPECT_EQ(visibleTexts(window.menuBar()->actions()),
              QStringList({"&File", "&Edit", "&View", "&Tools", "&Help"}));
    EXPECT_EQ(visibleTexts(menu(0)->actions()),
              QStringList({"Ne&w", "&New Custom", "New &Random", "&Open...", "&Save", "Save &As...",
                           "-", "&Print...", "Print &Contract", "Print Offer &Details...", "-",
                           "Recent File", "-", "E&xit"}));
    EXPECT_EQ(visibleTexts(menu(1)->actions()),
              QStringList({"&Undo", "&Redo", "-", "Copy &Listing", "-", "Roll &Term Again"}));
    EXPECT_EQ(visibleTexts(menu(2)->actions()),
              QStringList({"&Options", "&Toolbar", "Offer &Details", "-", "Odd&s..."}));
    EXPECT_EQ(visibleTexts(menu(3)->actions()), QStringList({"&Rules Editor..."}));
    EXPECT_EQ(visibleTexts(menu(4)->actions()),
              QStringList({"&Help Topics", "-", "&About Rode..."}));

    struct Key {
        int id;
        const char* key;
    };
    // clang-format off
    const Key keys[] = {
        {57600, "Ctrl+C"}, {32771, "Ctrl+R"}, {57601, "Ctrl+O"}, {57603, "Ctrl+S"},
        {57604, ""},       {57607, "Ctrl+P"}, {32773, "Ctrl+T"}, {57665, ""},
        {32775, ""},       {59392, ""},       {57667, ""},       {57664, ""},
        {57670, "F1"},     {57669, "Shift+F1"}, {32790, "Ctrl+N"}, {57643, "Ctrl+Z"},
        {57644, "Ctrl+Y"}, {32791, "Ctrl+Shift+C"}, {32792, ""}, {32776, ""},
        {32793, ""},       {32794, ""},       {32795, ""},
    };
    // clang-format on
    // Nothing to undo or redo yet, and no current line to roll.
    const std::set<int> disabled = {57643, 57644, 32792};
    for (const Key& key : keys) {
        QAction* action = window.findChild<QAction*>(QString::number(key.id));
        ASSERT_NE(action, nullptr) << key.id;
        EXPECT_EQ(action->data().toInt(), key.id);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(key.key))) << key.id;
        EXPECT_EQ(action->isEnabled(), !disabled.count(key.id)) << key.id;
        EXPECT_FALSE(action->whatsThis().isEmpty()) << key.id;
    }
    EXPECT_EQ(window.action(Command::Redo)->shortcuts().value(1), QKeySequence("Ctrl+Shift+Z"));
    // Each command's action is the one that carries its number.
    for (std::size_t c = 0; c < kCommandCount; ++c) {
        const CommandRow& row = commandRow(static_cast<Command>(c));
        ASSERT_NE(window.action(row.command), nullptr) << row.id;
        EXPECT_EQ(window.action(row.command)->data().toInt(), row.id);
    }
    QAction* placeholder = window.findChild<QAction*>("recentFile");
    ASSERT_NE(placeholder, nullptr);
    EXPECT_FALSE(placeholder->isEnabled());
}

// Alt and one letter reach every entry of every menu, each letter once per menu.
TEST_F(MainWindowTest, everyMenuEntryHasItsOwnMnemonic) {
    for (const char* name : {"a.did", "b.did", "c.did", "d.did"}) {
        recent.add(writeDocument(name, "B", 1));
    }
    window.updateRecentFileMenu();
    shelltest::fillOffers(doc, 1);
    std::unique_ptr<QMenu> lineMenu(window.view()->createLineMenu(6, &window));
    const struct {
        const char* name;
        QWidget* menu;
    } menus[] = {
        {"menu bar", window.menuBar()},
        {"File", menu(0)},
        {"Edit", menu(1)},
        {"View", menu(2)},
        {"Help", menu(3)},
        {"line menu", lineMenu.get()},
    };
    for (const auto& row : menus) {
        std::set<int> letters;
        int entries = 0;
        for (QAction* action : row.menu->actions()) {
            if (action->isSeparator() || !action->isVisible()) {
                continue;
            }
            ++entries;
            const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
            EXPECT_FALSE(mnemonic.isEmpty()) << row.name << ": " << action->text().toStdString();
            letters.insert(mnemonic[0].toCombined());
        }
        EXPECT_EQ(static_cast<int>(letters.size()), entries) << row.name;
    }
}

// Tab moves between the listing and the details, never cell by cell; in the details Enter and F2
// edit the current term, and its menu and its roll are a key away, as in the listing.
TEST_F(MainWindowTest, tabWalksTheListingAndTheDetailsAndTheDetailsKeysActOnTheCurrentTerm) {
    window.action(Command::OfferDetails)->trigger();
    prompts.ratingAnswer = "A";
    window.view()->newRandom();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.view()->setFocus();
    QTableWidget* table = window.offerDetails()->table();
    table->setCurrentCell(1, 0);
    const auto walk = [](Qt::KeyboardModifiers modifiers) {
        QStringList visited;
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    };
    const QStringList there = {"offerDetailsTable", "listing", "offerDetailsTable", "listing"};
    EXPECT_EQ(walk(Qt::NoModifier), there);
    EXPECT_EQ(walk(Qt::ShiftModifier), there);
    EXPECT_EQ(table->currentRow(), 1) << "Tab moved the current cell";

    table->setFocus();
    int edits = 0;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2}) {
        prompts.editAnswer = "Retainer " + std::to_string(++edits);
        QTest::keyClick(table, key);
        EXPECT_EQ(doc.m_offers[0].assignment, *prompts.editAnswer) << key;
    }
    EXPECT_EQ(session.history().undoText(), "Edit Assignment");

    QStringList menuTexts;
    QTimer::singleShot(0, [&menuTexts] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            for (QAction* action : popup->actions()) {
                menuTexts << action->text();
            }
            popup->close();
        }
    });
    QTest::keyClick(table, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(menuTexts, QStringList({"&Edit...", "&Roll Term Again", "&Copy Value"}));

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    table->setFocus();
    window.action(Command::WhatsThis)->trigger();
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode()) << "the current term's roll shows at once";
    QWhatsThis::leaveWhatsThisMode();
    QWhatsThis::hideText();
}

TEST_F(MainWindowTest, toolbarButtonsInOrderWithTheirTipsAndPictures) {
    auto* bar = window.findChild<QToolBar*>("toolbar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(window.toolBarArea(bar), Qt::TopToolBarArea);
    QStringList order;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            order << "-";
            continue;
        }
        order << action->toolTip();
        EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
    }
    EXPECT_EQ(order, QStringList({"New Custom", "New Random", "Open", "Save", "-", "Options", "-",
                                  "Print", "Print Contract"}));
    EXPECT_EQ(bar->iconSize(), QSize(16, 16));
}

TEST_F(MainWindowTest, toolbarItemIsTickedWhileTheToolbarShows) {
    window.show();
    auto* bar = window.findChild<QToolBar*>("toolbar");
    QAction* toggle = window.action(Command::ToolBar);
    ASSERT_TRUE(toggle->isCheckable());
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(MainWindowTest, ctrlCIsNewCustomNotCopy) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.view()->setFocus();
    QTest::keyClick(window.view(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(prompts.customShown.size(), 1u);
    EXPECT_EQ(prompts.customShown[0].first, "D");
}

// ---- open ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, openReadsTheFileAndNamesTheWindowAfterIt) {
    const QString path = writeDocument("spring.did", "B", 2);
    prompts.openAnswer = path;
    window.action(Command::Open)->trigger();
    EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join('\n').toStdString();
    EXPECT_EQ(doc.m_rating, "B");
    EXPECT_EQ(doc.m_offerCount, 2);
    EXPECT_EQ(shownTitle(window), "spring.did - Zuvaduro");
    EXPECT_EQ(recent.entries(), QStringList({QFileInfo(path).absoluteFilePath()}));
    EXPECT_EQ(window.findChild<QAction*>("57616")->text().left(3), "&1 ");
    EXPECT_FALSE(window.findChild<QAction*>("recentFile")->isVisible());
}

// A scrolled view once stayed where it was, and looked blank over a shorter set of offers.
TEST_F(MainWindowTest, newOffersAfterAnOpenRetitleTheWindowUntitledAndBothStartAtTheTop) {
    QScrollBar* bar = window.view()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    window.openDocument(writeDocument("old.did", "C", 1));
    ASSERT_EQ(shownTitle(window), "old.did - Zuvaduro");
    EXPECT_EQ(bar->value(), 0);

    bar->setValue(bar->maximum());
    prompts.ratingAnswer = "A";
    window.action(Command::NewRandom)->trigger();
    EXPECT_EQ(prompts.ratingsShown.size(), 1u);
    EXPECT_EQ(shownTitle(window), "Untitled* - Zuvaduro");
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(MainWindowTest, cancelledOpenChangesNothing) {
    doc.m_rating = "A";
    window.chooseAndOpenFile();
    EXPECT_EQ(doc.m_rating, "A");
    EXPECT_TRUE(recent.isEmpty());
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

TEST_F(MainWindowTest, missingFileWarnsAndLeavesDocumentAndTitle) {
    window.openDocument(writeDocument("kept.did", "C", 1));
    const QString missing = tempPath("gone.did");
    EXPECT_FALSE(window.openDocument(missing));
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_EQ(prompts.warnings[0], QFileInfo(missing).absoluteFilePath() + " was not found.");
    EXPECT_EQ(doc.m_rating, "C");
    EXPECT_EQ(doc.m_offerCount, 1);
    EXPECT_EQ(shownTitle(window), "kept.did - Zuvaduro");
    EXPECT_EQ(recent.size(), 1);
}

TEST_F(MainWindowTest, fileCutAfterTheYearWarnsAndLeavesAnUntitledDocument) {
    window.openDocument(writeDocument("kept.did", "C", 1));
    const QString cut = tempPath("cut.did");
    ASSERT_TRUE(writeFile(cut, QByteArray("\x04"
                                          "3025",
                                          5)));
    EXPECT_FALSE(window.openDocument(cut));
    EXPECT_EQ(prompts.warnings, QStringList({"Unexpected file format."}));
    EXPECT_EQ(shownTitle(window), "Untitled - Zuvaduro");
    EXPECT_EQ(doc.m_offerCount, 0);
    EXPECT_EQ(settings.readText("Settings", "Year", ""), "3025");
}

// A pipe whose writer sends nothing keeps the read waiting: the window must go on painting, show
// a progress dialog after about half a second (not at once), and Cancel must change nothing.
TEST_F(MainWindowTest, aLongOpenShowsProgressAndCancelKeepsTheDocumentAsItWas) {
    const QString kept = writeDocument("kept.did", "C", 1);
    ASSERT_TRUE(window.openDocument(kept));
    window.show();
    const QString pipe = tempPath("slow.did");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const int writer = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);

    const auto progress = [this] {
        auto* dialog = window.findChild<QProgressDialog*>();
        return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
    };
    shelltest::EventCounter painted(window.view()->viewport(), QEvent::Paint);
    bool shownEarly = true;
    QTimer::singleShot(150, [&] {
        shownEarly = progress() != nullptr;
        window.view()->viewport()->update();
    });
    bool shownLater = false;
    QTimer::singleShot(1500, [&] {
        QProgressDialog* dialog = progress();
        shownLater = dialog != nullptr;
        if (dialog != nullptr) {
            dialog->findChild<QPushButton*>()->click();
        }
    });
    int openWriter = writer;
    QTimer::singleShot(5000, [&] { ::close(std::exchange(openWriter, -1)); });  // never hang
    const MainWindow::OpenOutcome outcome = window.tryOpenDocument(pipe);
    if (openWriter >= 0) {
        ::close(openWriter);
    }

    EXPECT_EQ(outcome, MainWindow::OpenOutcome::Cancelled);
    EXPECT_FALSE(shownEarly);
    EXPECT_TRUE(shownLater);
    EXPECT_GT(painted.count, 0);
    EXPECT_EQ(doc.m_rating, "C");
    EXPECT_EQ(doc.pathName(), QFileInfo(kept).absoluteFilePath().toStdString());
    EXPECT_EQ(shownTitle(window), "kept.did - Zuvaduro");
    EXPECT_EQ(recent.size(), 1);
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

TEST_F(MainWindowTest, recentEntryThatFailsIsRemovedAndTheOpenFileIsNotReread) {
    const QString kept = writeDocument("kept.did", "C", 1);
    const QString doomed = writeDocument("doomed.did", "A", 0);
    window.openDocument(doomed);
    window.openDocument(kept);
    ASSERT_EQ(recent.size(), 2);
    ASSERT_TRUE(QFile::remove(doomed));

    window.openRecentFile(1);  // doomed.did
    EXPECT_EQ(recent.entries(), QStringList({QFileInfo(kept).absoluteFilePath()}));
    EXPECT_EQ(prompts.warnings.size(), 1);
    EXPECT_FALSE(window.findChild<QAction*>("57617")->isVisible());

    // Changed on disk, but it is the open document: nothing is read.
    ASSERT_TRUE(writeFile(kept, documentBytes("A", 0, {})));
    window.openRecentFile(0);
    EXPECT_EQ(doc.m_rating, "C");
    EXPECT_EQ(doc.m_offerCount, 1);
}

TEST_F(MainWindowTest, droppingThreeFilesLeavesTheLastOpenAndAllInTheRecentList) {
    const QString a = writeDocument("a.did", "A", 1);
    const QString b = writeDocument("b.did", "B", 2);
    const QString c = writeDocument("c.did", "C", 3);
    window.show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b), QUrl::fromLocalFile(c)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(doc.m_rating, "C");
    EXPECT_EQ(doc.m_offerCount, 3);
    EXPECT_EQ(shownTitle(window), "c.did - Zuvaduro");
    EXPECT_EQ(recent.entries(),
              QStringList({QFileInfo(c).absoluteFilePath(), QFileInfo(b).absoluteFilePath(),
                           QFileInfo(a).absoluteFilePath()}));
}

// ---- save ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, saveOfANewDocumentAsksForANameAndAddsTheDid) {
    doc.m_rating = "B";
    prompts.saveAnswer = tempPath("offers");
    window.action(Command::Save)->trigger();
    ASSERT_EQ(prompts.savesProposed.size(), 1u);
    EXPECT_EQ(prompts.savesProposed[0], "Untitled.DID");
    EXPECT_TRUE(QFileInfo::exists(tempPath("offers.DID")));
    EXPECT_EQ(shownTitle(window), "offers.DID - Zuvaduro");
    EXPECT_EQ(recent.entries(),
              QStringList({QFileInfo(tempPath("offers.DID")).absoluteFilePath()}));

    // A known path saves without asking.
    doc.m_rating = "A";
    window.save();
    EXPECT_EQ(prompts.savesProposed.size(), 1u);
    EXPECT_TRUE(prompts.warnings.isEmpty());
    window.view()->newRandom();  // cancelled rating dialog: no change
    window.openDocument(tempPath("offers.DID"));
    EXPECT_EQ(doc.m_rating, "A");
}

TEST_F(MainWindowTest, saveAsProposesThePathAndAFailureKeepsTitleAndPath) {
    const QString path = writeDocument("kept.did", "C", 1);
    window.openDocument(path);
    prompts.saveAnswer = tempPath("no-such-folder/x.did");
    window.saveAs();
    ASSERT_EQ(prompts.savesProposed.size(), 1u);
    EXPECT_EQ(prompts.savesProposed[0], QFileInfo(path).absoluteFilePath());
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_FALSE(prompts.warnings[0].isEmpty());
    EXPECT_EQ(shownTitle(window), "kept.did - Zuvaduro");
    EXPECT_EQ(QString::fromStdString(doc.pathName()), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(recent.size(), 1);
}

TEST_F(MainWindowTest, cancelledSaveAsWritesNothing) {
    window.saveAs();
    EXPECT_EQ(prompts.savesProposed.size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(shownTitle(window), "Untitled - Zuvaduro");
}

// ---- help, about, exit -----------------------------------------------------------------------

TEST_F(MainWindowTest, helpShowsTheBundledPagesOrSaysItFailed) {
    window.showHelpTopics();
    ASSERT_NE(window.helpWindow(), nullptr);
    EXPECT_TRUE(window.helpWindow()->isVisible());
    EXPECT_TRUE(window.helpWindow()->currentSource().endsWith("index.html"));
    EXPECT_TRUE(prompts.warnings.isEmpty());

    MemorySettings otherSettings;
    DocumentSession otherSession(otherSettings, 2u);
    RecentFileList otherRecent;
    FakePrompts otherPrompts;
    MainWindow broken(otherSession, otherRecent, &otherPrompts);
    broken.setHelpRoot(dir.filePath("no-help-here"));
    broken.action(Command::HelpTopics)->trigger();
    EXPECT_EQ(otherPrompts.warnings, QStringList({"Failed to launch help."}));
}

TEST_F(MainWindowTest, f1InTheListingOpensTheListingPage) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.view()->setFocus();
    window.showContextHelp();
    ASSERT_NE(window.helpWindow(), nullptr);
    EXPECT_TRUE(window.helpWindow()->currentSource().endsWith("listing.html"));
}

TEST_F(MainWindowTest, aboutBoxClosesWithEscape) {
    bool sawAbout = false;
    QTimer::singleShot(50, [&sawAbout] {
        QWidget* modal = QApplication::activeModalWidget();
        sawAbout = modal != nullptr && modal->objectName() == "about";
        if (modal != nullptr) {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    window.action(Command::About)->trigger();
    EXPECT_TRUE(sawAbout);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, exitWithNothingUnsavedClosesWithoutAsking) {
    window.show();
    window.openDocument(writeDocument("kept.did", "C", 2));
    bool closed = false;
    QObject::connect(&window, &MainWindow::windowClosed, [&closed] { closed = true; });
    window.action(Command::Exit)->trigger();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompts.warnings.isEmpty());
    EXPECT_TRUE(prompts.informations.isEmpty());
    EXPECT_TRUE(prompts.saveChangesAsked.isEmpty());
}

// ---- undo, redo and unsaved changes ----------------------------------------------------------

TEST_F(MainWindowTest, theTitleMarksChangesUntilUndoneOrSavedAndEditNamesTheStep) {
    prompts.ratingAnswer = "A";
    window.action(Command::NewRandom)->trigger();
    EXPECT_EQ(shownTitle(window), "Untitled* - Zuvaduro");
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(window.action(Command::Undo)->text(), "&Undo New Random");
    window.action(Command::Undo)->trigger();
    EXPECT_EQ(shownTitle(window), "Untitled - Zuvaduro");
    EXPECT_FALSE(session.isModified());
    EXPECT_EQ(window.action(Command::Redo)->text(), "&Redo New Random");
    window.action(Command::Redo)->trigger();
    EXPECT_EQ(shownTitle(window), "Untitled* - Zuvaduro");

    prompts.saveAnswer = tempPath("a.did");
    window.action(Command::Save)->trigger();
    EXPECT_EQ(shownTitle(window), "a.did - Zuvaduro");
    window.view()->setCurrentLine(5);
    EXPECT_TRUE(window.action(Command::RollTermAgain)->isEnabled());
    window.action(Command::RollTermAgain)->trigger();
    EXPECT_EQ(shownTitle(window), "a.did* - Zuvaduro");
    EXPECT_EQ(window.action(Command::Undo)->text(), "&Undo Roll Employer Again");

    window.action(Command::CopyListing)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), renderListingText(doc));

    // File > New: the start-up document with a fresh history; the custom choices stay.
    doc.m_customChoices.employer = "Kell Hounds";
    prompts.saveChangesAnswer = SaveAnswer::Discard;
    window.action(Command::NewDocument)->trigger();
    MemorySettings freshSettings;
    ContractDocument fresh(freshSettings);
    fresh.resetToUntitled();
    fresh.m_customChoices.employer = "Kell Hounds";
    EXPECT_EQ(doc.content(), fresh.content());
    EXPECT_EQ(shownTitle(window), "Untitled - Zuvaduro");
    EXPECT_FALSE(window.action(Command::Undo)->isEnabled());
}

TEST(SaveQuestion, exitNewOpenAndDropAskFirstAndGoOnOnlyAfterASaveOrDiscard) {
    QTemporaryDir dir;
    const QString other = dir.filePath("other.did");
    ASSERT_TRUE(writeFile(other, documentBytes("C", 1, {namedOffer(0)})));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(other)});
    // Each command, returning whether it went on (Exit: the window closed).
    const std::function<bool(MainWindow&, ContractDocument&)> commands[] = {
        [](MainWindow& window, ContractDocument&) {
            window.action(Command::Exit)->trigger();
            return !window.isVisible();
        },
        [](MainWindow& window, ContractDocument& doc) {
            window.action(Command::NewDocument)->trigger();
            return doc.m_rating == "D";
        },
        [](MainWindow& window, ContractDocument& doc) {
            window.action(Command::Open)->trigger();
            return doc.m_rating == "C";
        },
        [&data](MainWindow& window, ContractDocument& doc) {
            QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
            QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&window, &enter);
            QApplication::sendEvent(&window, &drop);
            return doc.m_rating == "C";
        },
    };
    const struct {
        SaveAnswer answer;
        bool saveFails;
        bool goesOn;
    } answers[] = {{SaveAnswer::Save, false, true},
                   {SaveAnswer::Save, true, false},
                   {SaveAnswer::Discard, false, true},
                   {SaveAnswer::Cancel, false, false}};
    int row = 0;
    for (const auto& command : commands) {
        for (const auto& answer : answers) {
            ++row;
            MemorySettings settings;
            DocumentSession session(settings, 3u);
            ContractDocument& doc = session.document();
            doc.resetToUntitled();
            RecentFileList recent;
            FakePrompts prompts;
            MainWindow window(session, recent, &prompts);
            window.show();
            prompts.editAnswer = "B";
            window.view()->setCurrentLine(1);
            window.view()->editCurrentLine();
            const QString saved = dir.filePath(QStringLiteral("saved%1.did").arg(row));
            prompts.saveAnswer = answer.saveFails ? dir.filePath("none/x.did") : saved;
            prompts.saveChangesAnswer = answer.answer;
            prompts.openAnswer = other;

            EXPECT_EQ(command(window, doc), answer.goesOn) << row;
            EXPECT_EQ(prompts.saveChangesAsked, QStringList{"Untitled"}) << row;
            EXPECT_EQ(QFileInfo::exists(saved), answer.goesOn && answer.answer == SaveAnswer::Save)
                << row;
            EXPECT_EQ(prompts.warnings.size(), answer.saveFails ? 1 : 0) << row;
            if (!answer.goesOn) {
                EXPECT_EQ(doc.m_rating, "B") << row;
            }
            if (&command == &commands[2]) {
                // File > Open settles the changes before the file is chosen.
                EXPECT_EQ(prompts.openPathsAsked, answer.goesOn ? 1 : 0) << row;
            }
        }
    }
}

// ---- offer details ---------------------------------------------------------------------------

// View > Offer Details shows the offers side by side and follows every change; a double-click on
// a term edits it with the listing's own command; the listing's tip says how a term was rolled;
// File > Print Offer Details prints the page; and the choice to show the details is remembered.
TEST_F(MainWindowTest, offerDetailsFollowEveryChangeAndEditAsTheListingDoes) {
    OfferDetailsDock* details = window.offerDetails();
    QAction* toggle = window.action(Command::OfferDetails);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_TRUE(details->isHidden()) << "the details stay hidden until the user shows them";
    toggle->trigger();
    EXPECT_FALSE(details->isHidden());
    EXPECT_EQ(settings.readNumber("Settings", "Offer Details", 0), 1);

    prompts.ratingAnswer = "A";
    window.view()->newRandom();
    QTableWidget* table = details->table();
    ASSERT_EQ(table->columnCount(), doc.visibleOfferCount());
    ASSERT_GT(table->columnCount(), 0);
    EXPECT_EQ(table->item(1, 0)->text(), QString::fromStdString(doc.m_offers[0].assignment));
    for (const QString& payTip : {table->verticalHeaderItem(kFirstPayRow)->toolTip(),
                                  table->item(kFirstPayRow, 0)->toolTip()}) {
        EXPECT_TRUE(payTip.contains("multiplier times the base pay (View > Options)"))
            << payTip.toStdString();
    }
    const QString rolled = table->item(1, 0)->toolTip();
    EXPECT_EQ(rolled.toStdString(), *explainField(doc, 0, &ContractOffer::assignment));

    // No base pay stored: the amounts say so rather than show zeros, and no best is marked. Once
    // the base pay is stored they show, and the best total is marked.
    const auto payCells = [table](int row) {
        QStringList texts;
        for (int k = 0; k < table->columnCount(); ++k) {
            texts << table->item(row, k)->text();
        }
        return texts;
    };
    const QString notSet = "base pay not set: View > Options";
    EXPECT_EQ(payCells(kFirstPayRow).count(notSet), table->columnCount());
    EXPECT_EQ(payCells(kFirstPayRow + 2).count(notSet), table->columnCount());
    settings.writeText("Settings", "Pay", "100000");
    details->refresh();
    EXPECT_EQ(payCells(kFirstPayRow).filter(QRegularExpression("^[1-9]")).size(),
              table->columnCount());
    EXPECT_GE(payCells(kFirstPayRow + 2).filter("(best)").size(), 1);
    // Rolled at a base pay of 0, the listing states that amount; the tip says so.
    EXPECT_EQ(table->item(kFirstPayRow, 0)->toolTip(),
              "the listing shows the pay at the time of the roll: 0.00 C-Bills");

    prompts.editAnswer = "Retainer";
    int changes = 0;
    QObject::connect(&session, &DocumentSession::changed, [&changes] { ++changes; });
    emit table->cellDoubleClicked(1, 0);
    EXPECT_EQ(changes, 1) << "one edit, one notification: the details are rebuilt once";
    EXPECT_EQ(session.history().undoText(), "Edit Assignment");
    EXPECT_EQ(window.view()->currentLine(), 6);
    EXPECT_EQ(table->item(1, 0)->text(), "Retainer");
    EXPECT_EQ(table->item(1, 0)->toolTip(), "edited by hand; before that: " + rolled);
    window.undo();
    EXPECT_EQ(table->item(1, 0)->toolTip(), rolled);

    QWidget* viewport = window.view()->viewport();
    const QPoint onAssignment(
        10, window.view()->lineHeight() * 6 + 1 - window.view()->verticalScrollBar()->value());
    QHelpEvent tip(QEvent::ToolTip, onAssignment, viewport->mapToGlobal(onAssignment));
    QApplication::sendEvent(viewport, &tip);
    EXPECT_EQ(QToolTip::text(), rolled + "\nDouble-click to change; right-click for more");

    prompts.pdfPath = tempPath("details.pdf");
    window.action(Command::PrintDetails)->trigger();
    EXPECT_EQ(testsupport::pdfPageCount(prompts.pdfPath), 1);
    EXPECT_TRUE(testsupport::pdfPageText(prompts.pdfPath, 1).startsWith("Offer Details"));

    MainWindow second(session, recent, &prompts);
    EXPECT_TRUE(second.action(Command::OfferDetails)->isChecked());
    EXPECT_FALSE(second.offerDetails()->isHidden());
}

// Showing the details widens the window for them rather than squeezing the listing, moving it
// left where its right edge would leave the screen; hiding them gives the width and the place
// back. Where the dock is narrower than its columns, they narrow and wrap rather than scroll.
TEST_F(MainWindowTest, offerDetailsWidenTheWindowAndHidingThemGivesItBack) {
    const QRect available = window.screen()->availableGeometry();
    window.show();
    window.setGeometry(available.right() - kMainClientWidth - 10, available.top() + 20,
                       kMainClientWidth, 400);
    const QRect before = window.geometry();
    window.action(Command::OfferDetails)->trigger();
    QApplication::processEvents();
    ASSERT_GE(available.width(), kMainClientWidth + window.offerDetails()->preferredWidth() + 10)
        << "the test screen leaves no room for the details";
    EXPECT_EQ(window.centralWidget()->width(), kMainClientWidth);
    EXPECT_LT(window.x(), before.x());
    EXPECT_LE(window.frameGeometry().right(), available.right());
    window.action(Command::OfferDetails)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(window.geometry(), before);

    testsupport::fillOffers(doc, kMaxOffers);
    for (ContractOffer& offer : doc.m_offers) {
        for (const auto field : ContractOffer::kFields) {
            offer.*field = "Federated Commonwealth";
        }
        offer.paymentMultiplier = "7.02x Pay = (702000.00 C-Bills)";
    }
    OfferDetailsDock& dock = *window.offerDetails();
    dock.refresh();
    QTableWidget& table = *dock.table();
    dock.setFloating(true);
    dock.show();
    dock.resize(dock.preferredWidth(), 500);
    QApplication::processEvents();
    const auto columns = [&table] { return table.horizontalHeader()->length(); };
    const int natural = columns();
    EXPECT_LE(natural, table.viewport()->width());
    dock.resize(dock.preferredWidth() - 100, 500);
    QApplication::processEvents();
    EXPECT_LT(columns(), natural);
    EXPECT_LE(columns(), table.viewport()->width()) << "no horizontal scrolling";
    EXPECT_GT(table.rowHeight(3), table.rowHeight(kFirstPayRow + 1)) << "the multiplier wraps";
}

}  // namespace
