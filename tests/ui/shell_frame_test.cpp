#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include "shell/CMainFrame.h"
#include "shell/FramePlacement.h"
#include "shell/RecentFileList.h"
#include "document/CRodeDoc.h"
#include "document/MemorySettings.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/shell_test_support.h"
#include "view/CRodeView.h"

namespace {

using shelltest::DocumentBytes;
using shelltest::NamedOffer;
using shelltest::WriteFile;

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() : doc(settings, 1u), frame(doc, recent, &prompts) {
        doc.OnNewDocument();
        frame.UpdateFrameTitle();
        frame.PlaceOnScreen();
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString WriteDocument(const QString& name, const std::string& rating, int offers) {
        std::vector<ContractOffer> list;
        for (int k = 0; k < offers; ++k) {
            list.push_back(NamedOffer(k));
        }
        const QString path = Path(name);
        EXPECT_TRUE(WriteFile(path, DocumentBytes(rating, offers, list)));
        return path;
    }
    QStringList VisibleTexts(const QList<QAction*>& actions) const {
        QStringList texts;
        for (QAction* action : actions) {
            if (action->isVisible()) {
                texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
        }
        return texts;
    }
    QMenu* Menu(int index) const { return frame.menuBar()->actions().at(index)->menu(); }

    QTemporaryDir dir;
    MemorySettings settings;
    CRodeDoc doc;
    RecentFileList recent;
    FakePrompts prompts;
    CMainFrame frame;
};

// ---- start-up --------------------------------------------------------------------------------

TEST_F(MainFrameTest, startsUntitled525WideScreenLess25TallCentredWithoutStatusBar) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(frame.windowTitle(), "Untitled - Zuvaduro");
    EXPECT_EQ(frame.width(), 525);
    EXPECT_EQ(frame.height(), screen.height() - 25);
    EXPECT_EQ(frame.x(), screen.x() + (screen.width() - 525) / 2);
    EXPECT_EQ(frame.y(), screen.y() + 12);
    EXPECT_EQ(frame.findChild<QStatusBar*>(), nullptr);
    EXPECT_EQ(frame.centralWidget(), frame.View());
    EXPECT_TRUE(frame.acceptDrops());
}

// Under a window manager the title bar once started above the screen: the whole frame must lie
// on the available area, the client area keeping its width and, room permitting, its height.
TEST(FramePlacementTest, theWholeFrameLiesOnTheAvailableArea) {
    const struct {
        const char* name;
        QRect screen;
        QRect available;
        QMargins frame;
        FramePlacement expected;
    } rows[] = {
        // clang-format off
        {"unframed",   {0, 0, 800, 600},  {0, 0, 800, 600},   {},            {{137, 12}, {525, 575}}},
        {"framed",     {0, 0, 1024, 768}, {0, 0, 1024, 768},  {1, 20, 1, 5}, {{248, 0},  {525, 743}}},
        {"panelAbove", {0, 0, 1024, 768}, {0, 30, 1024, 738}, {1, 20, 1, 5}, {{248, 30}, {525, 713}}},
        {"narrow",     {0, 0, 480, 640},  {0, 0, 480, 640},   {},            {{0, 12},   {525, 615}}},
        // clang-format on
    };
    for (const auto& row : rows) {
        const FramePlacement placed = PlaceMainFrame(row.screen, row.available, row.frame);
        EXPECT_EQ(placed.frameTopLeft, row.expected.frameTopLeft) << row.name;
        EXPECT_EQ(placed.clientSize, row.expected.clientSize) << row.name;
        const QRect frame(placed.frameTopLeft, placed.clientSize.grownBy(row.frame));
        if (row.available.width() >= frame.width()) {
            EXPECT_TRUE(row.available.contains(frame)) << row.name;
        }
    }
}

TEST_F(MainFrameTest, titleFollowsTheDocumentAndShowsBracketsAsTyped) {
    doc.SetTitle("raid [*] plans.did");
    frame.UpdateFrameTitle();
    frame.setWindowModified(false);
    EXPECT_EQ(frame.windowTitle().replace("[*][*]", "[*]"), "raid [*] plans.did - Zuvaduro");
    frame.show();
    // What the window system gets still holds the brackets.
    EXPECT_TRUE(frame.windowHandle()->title().contains("[*]"));
}

// ---- menus, keys and toolbar -----------------------------------------------------------------

TEST_F(MainFrameTest, menusHoldTheCommandsInOrderWithTheirKeys) {
    ASSERT_EQ(frame.menuBar()->actions().size(), 3);
    EXPECT_EQ(VisibleTexts(frame.menuBar()->actions()), QStringList({"&File", "&View", "&Help"}));
    EXPECT_EQ(VisibleTexts(Menu(0)->actions()),
              QStringList({"&New Custom", "New Random", "&Open...", "&Save", "Save &As...", "-",
                           "&Print...", "Print Contract", "-", "Recent File", "-", "E&xit"}));
    EXPECT_EQ(VisibleTexts(Menu(1)->actions()), QStringList({"&Options", "&Toolbar"}));
    EXPECT_EQ(VisibleTexts(Menu(2)->actions()),
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
        {57670, "F1"},     {57669, "Shift+F1"},
    };
    // clang-format on
    for (const Key& key : keys) {
        QAction* action = frame.findChild<QAction*>(QString::number(key.id));
        ASSERT_NE(action, nullptr) << key.id;
        EXPECT_EQ(action->data().toInt(), key.id);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(key.key))) << key.id;
        EXPECT_TRUE(action->isEnabled()) << key.id;
        EXPECT_FALSE(action->whatsThis().isEmpty()) << key.id;
    }
    QAction* placeholder = frame.findChild<QAction*>("recentFile");
    ASSERT_NE(placeholder, nullptr);
    EXPECT_FALSE(placeholder->isEnabled());
}

TEST_F(MainFrameTest, toolbarButtonsInOrderWithTheirTipsAndPictures) {
    auto* bar = frame.findChild<QToolBar*>("toolbar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(frame.toolBarArea(bar), Qt::TopToolBarArea);
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

TEST_F(MainFrameTest, toolbarItemIsTickedWhileTheToolbarShows) {
    frame.show();
    auto* bar = frame.findChild<QToolBar*>("toolbar");
    QAction* toggle = frame.Action(59392);
    ASSERT_TRUE(toggle->isCheckable());
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(MainFrameTest, ctrlCIsNewCustomNotCopy) {
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.View()->setFocus();
    QTest::keyClick(frame.View(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(prompts.customShown.size(), 1u);
    EXPECT_EQ(prompts.customShown[0].first, "D");
}

// ---- open ------------------------------------------------------------------------------------

TEST_F(MainFrameTest, openReadsTheFileAndNamesTheWindowAfterIt) {
    const QString path = WriteDocument("spring.did", "B", 2);
    prompts.openAnswer = path;
    frame.Action(57601)->trigger();
    EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join('\n').toStdString();
    EXPECT_EQ(doc.m_rating, "B");
    EXPECT_EQ(doc.m_offerCount, 2);
    EXPECT_EQ(frame.windowTitle(), "spring.did - Zuvaduro");
    EXPECT_EQ(recent.Entries(), QStringList({QFileInfo(path).absoluteFilePath()}));
    EXPECT_EQ(frame.findChild<QAction*>("57616")->text().left(3), "&1 ");
    EXPECT_FALSE(frame.findChild<QAction*>("recentFile")->isVisible());
}

// A scrolled view once stayed where it was, and looked blank over a shorter set of offers.
TEST_F(MainFrameTest, newOffersAfterAnOpenRetitleTheWindowUntitledAndBothStartAtTheTop) {
    QScrollBar* bar = frame.View()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    frame.OpenDocument(WriteDocument("old.did", "C", 1));
    ASSERT_EQ(frame.windowTitle(), "old.did - Zuvaduro");
    EXPECT_EQ(bar->value(), 0);

    bar->setValue(bar->maximum());
    prompts.ratingAnswer = "A";
    frame.Action(32771)->trigger();
    EXPECT_EQ(prompts.ratingsShown.size(), 1u);
    EXPECT_EQ(frame.windowTitle(), "Untitled - Zuvaduro");
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(MainFrameTest, cancelledOpenChangesNothing) {
    doc.m_rating = "A";
    frame.OnFileOpen();
    EXPECT_EQ(doc.m_rating, "A");
    EXPECT_TRUE(recent.IsEmpty());
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

TEST_F(MainFrameTest, missingFileWarnsAndLeavesDocumentAndTitle) {
    frame.OpenDocument(WriteDocument("kept.did", "C", 1));
    const QString missing = Path("gone.did");
    EXPECT_FALSE(frame.OpenDocument(missing));
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_EQ(prompts.warnings[0], QFileInfo(missing).absoluteFilePath() + " was not found.");
    EXPECT_EQ(doc.m_rating, "C");
    EXPECT_EQ(doc.m_offerCount, 1);
    EXPECT_EQ(frame.windowTitle(), "kept.did - Zuvaduro");
    EXPECT_EQ(recent.Size(), 1);
}

TEST_F(MainFrameTest, fileCutAfterTheYearWarnsAndLeavesAnUntitledDocument) {
    frame.OpenDocument(WriteDocument("kept.did", "C", 1));
    const QString cut = Path("cut.did");
    ASSERT_TRUE(WriteFile(cut, QByteArray("\x04"
                                          "3025",
                                          5)));
    EXPECT_FALSE(frame.OpenDocument(cut));
    EXPECT_EQ(prompts.warnings, QStringList({"Unexpected file format."}));
    EXPECT_EQ(frame.windowTitle(), "Untitled - Zuvaduro");
    EXPECT_EQ(doc.m_offerCount, 0);
    EXPECT_EQ(settings.ReadText("Settings", "Year", ""), "3025");
}

// A pipe whose writer sends nothing keeps the read waiting: the window must go on painting, show
// a progress dialog after about half a second (not at once), and Cancel must change nothing.
TEST_F(MainFrameTest, aLongOpenShowsProgressAndCancelKeepsTheDocumentAsItWas) {
    const QString kept = WriteDocument("kept.did", "C", 1);
    ASSERT_TRUE(frame.OpenDocument(kept));
    frame.show();
    const QString pipe = Path("slow.did");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const int writer = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);

    const auto progress = [this] {
        auto* dialog = frame.findChild<QProgressDialog*>();
        return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
    };
    shelltest::EventCounter painted(frame.View()->viewport(), QEvent::Paint);
    bool shownEarly = true;
    QTimer::singleShot(150, [&] {
        shownEarly = progress() != nullptr;
        frame.View()->viewport()->update();
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
    const CMainFrame::OpenOutcome outcome = frame.TryOpenDocument(pipe);
    if (openWriter >= 0) {
        ::close(openWriter);
    }

    EXPECT_EQ(outcome, CMainFrame::OpenOutcome::Cancelled);
    EXPECT_FALSE(shownEarly);
    EXPECT_TRUE(shownLater);
    EXPECT_GT(painted.count, 0);
    EXPECT_EQ(doc.m_rating, "C");
    EXPECT_EQ(doc.GetPathName(), QFileInfo(kept).absoluteFilePath().toStdString());
    EXPECT_EQ(frame.windowTitle(), "kept.did - Zuvaduro");
    EXPECT_EQ(recent.Size(), 1);
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

TEST_F(MainFrameTest, recentEntryThatFailsIsRemovedAndTheOpenFileIsNotReread) {
    const QString kept = WriteDocument("kept.did", "C", 1);
    const QString doomed = WriteDocument("doomed.did", "A", 0);
    frame.OpenDocument(doomed);
    frame.OpenDocument(kept);
    ASSERT_EQ(recent.Size(), 2);
    ASSERT_TRUE(QFile::remove(doomed));

    frame.OnOpenRecentFile(1);  // doomed.did
    EXPECT_EQ(recent.Entries(), QStringList({QFileInfo(kept).absoluteFilePath()}));
    EXPECT_EQ(prompts.warnings.size(), 1);
    EXPECT_FALSE(frame.findChild<QAction*>("57617")->isVisible());

    // Changed on disk, but it is the open document: nothing is read.
    ASSERT_TRUE(WriteFile(kept, DocumentBytes("A", 0, {})));
    frame.OnOpenRecentFile(0);
    EXPECT_EQ(doc.m_rating, "C");
    EXPECT_EQ(doc.m_offerCount, 1);
}

TEST_F(MainFrameTest, droppingThreeFilesLeavesTheLastOpenAndAllInTheRecentList) {
    const QString a = WriteDocument("a.did", "A", 1);
    const QString b = WriteDocument("b.did", "B", 2);
    const QString c = WriteDocument("c.did", "C", 3);
    frame.show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b), QUrl::fromLocalFile(c)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(doc.m_rating, "C");
    EXPECT_EQ(doc.m_offerCount, 3);
    EXPECT_EQ(frame.windowTitle(), "c.did - Zuvaduro");
    EXPECT_EQ(recent.Entries(),
              QStringList({QFileInfo(c).absoluteFilePath(), QFileInfo(b).absoluteFilePath(),
                           QFileInfo(a).absoluteFilePath()}));
}

// ---- save ------------------------------------------------------------------------------------

TEST_F(MainFrameTest, saveOfANewDocumentAsksForANameAndAddsTheDid) {
    doc.m_rating = "B";
    prompts.saveAnswer = Path("offers");
    frame.Action(57603)->trigger();
    ASSERT_EQ(prompts.savesProposed.size(), 1u);
    EXPECT_EQ(prompts.savesProposed[0], "Untitled.DID");
    EXPECT_TRUE(QFileInfo::exists(Path("offers.DID")));
    EXPECT_EQ(frame.windowTitle(), "offers.DID - Zuvaduro");
    EXPECT_EQ(recent.Entries(), QStringList({QFileInfo(Path("offers.DID")).absoluteFilePath()}));

    // A known path saves without asking.
    doc.m_rating = "A";
    frame.OnFileSave();
    EXPECT_EQ(prompts.savesProposed.size(), 1u);
    EXPECT_TRUE(prompts.warnings.isEmpty());
    frame.OnNewRandom();  // cancelled rating dialog: no change
    frame.OpenDocument(Path("offers.DID"));
    EXPECT_EQ(doc.m_rating, "A");
}

TEST_F(MainFrameTest, saveAsProposesThePathAndAFailureKeepsTitleAndPath) {
    const QString path = WriteDocument("kept.did", "C", 1);
    frame.OpenDocument(path);
    prompts.saveAnswer = Path("no-such-folder/x.did");
    frame.OnFileSaveAs();
    ASSERT_EQ(prompts.savesProposed.size(), 1u);
    EXPECT_EQ(prompts.savesProposed[0], QFileInfo(path).absoluteFilePath());
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_FALSE(prompts.warnings[0].isEmpty());
    EXPECT_EQ(frame.windowTitle(), "kept.did - Zuvaduro");
    EXPECT_EQ(QString::fromStdString(doc.GetPathName()), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(recent.Size(), 1);
}

TEST_F(MainFrameTest, cancelledSaveAsWritesNothing) {
    frame.OnFileSaveAs();
    EXPECT_EQ(prompts.savesProposed.size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(frame.windowTitle(), "Untitled - Zuvaduro");
}

// ---- help, about, exit -----------------------------------------------------------------------

TEST_F(MainFrameTest, helpShowsTheBundledPagesOrSaysItFailed) {
    frame.OnHelpTopics();
    ASSERT_NE(frame.Help(), nullptr);
    EXPECT_TRUE(frame.Help()->isVisible());
    EXPECT_TRUE(frame.Help()->CurrentSource().endsWith("index.html"));
    EXPECT_TRUE(prompts.warnings.isEmpty());

    MemorySettings otherSettings;
    CRodeDoc otherDoc(otherSettings, 2u);
    RecentFileList otherRecent;
    FakePrompts otherPrompts;
    CMainFrame broken(otherDoc, otherRecent, &otherPrompts);
    broken.SetHelpRoot(dir.filePath("no-help-here"));
    broken.Action(57667)->trigger();
    EXPECT_EQ(otherPrompts.warnings, QStringList({"Failed to launch help."}));
}

TEST_F(MainFrameTest, f1InTheListingOpensTheListingPage) {
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.View()->setFocus();
    frame.OnContextHelp();
    ASSERT_NE(frame.Help(), nullptr);
    EXPECT_TRUE(frame.Help()->CurrentSource().endsWith("listing.html"));
}

TEST_F(MainFrameTest, aboutBoxClosesWithEscape) {
    bool sawAbout = false;
    QTimer::singleShot(50, [&sawAbout] {
        QWidget* modal = QApplication::activeModalWidget();
        sawAbout = modal != nullptr && modal->objectName() == "about";
        if (modal != nullptr) {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    frame.Action(57664)->trigger();
    EXPECT_TRUE(sawAbout);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainFrameTest, exitClosesWithoutAskingAndSaysSo) {
    frame.show();
    doc.m_offerCount = 2;  // unsaved offers: still no question
    bool closed = false;
    QObject::connect(&frame, &CMainFrame::frameClosed, [&closed] { closed = true; });
    frame.Action(57665)->trigger();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(prompts.warnings.isEmpty());
    EXPECT_TRUE(prompts.informations.isEmpty());
}

}  // namespace
