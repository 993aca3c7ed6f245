#include <gtest/gtest.h>

#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "listing/OddsReport.h"
#include "session/DocumentSession.h"
#include "shell/MainWindow.h"
#include "shell/RecentFileList.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/dialogs_test_util.h"
#include "view/OddsWindow.h"

namespace {

QComboBox* choice(OddsWindow& window, int index) {
    return window.findChild<QComboBox*>(QStringLiteral("choice%1").arg(index));
}

void startRun(OddsWindow& window, int samples, const QString& seed) {
    window.findChild<QSpinBox*>("oddsSamples")->setValue(samples);
    window.findChild<QLineEdit*>("oddsSeed")->setText(seed);
    window.run();
}

bool waitForEnd(OddsWindow& window) {
    return QTest::qWaitFor([&] { return !window.isRunning(); }, 20000);
}

// The window rolls what the engine rolls for the choices it shows, shows those counts, and
// exports the very CSV the command line writes, never over the open document.
TEST(OddsWindow, showsAndExportsWhatTheEngineCountsForItsChoices) {
    QTemporaryDir dir;
    const QString document = dir.filePath("open.did");
    OfferChoices choices;
    choices.employer = "Kell Hounds";
    choices.paymentMultiplier = "5.5";  // typed: no entry starts with it
    // New Custom's rule: "c" selects the entry "C".
    OddsWindow window("c", choices, [&] { return document; });
    EXPECT_EQ(choice(window, 0)->currentText(), "C");
    EXPECT_EQ(choice(window, 1)->currentText(), "Kell Hounds");
    EXPECT_EQ(choice(window, 4)->currentText(), "5.5");

    startRun(window, 5000, "77");
    ASSERT_TRUE(waitForEnd(window));
    const OddsRequest request{"C", choices, 5000, 77, 1, {}};
    const OddsResult expected = rollOdds(request);
    ASSERT_TRUE(window.result().has_value());
    EXPECT_EQ(*window.result(), expected);
    EXPECT_TRUE(window.findChild<QLabel*>("oddsSummary")->text().contains("seed 77"));

    auto* tabs = window.findChild<QTabWidget*>("oddsTabs");
    ASSERT_EQ(tabs->count(), 11);
    QStringList tabNames;
    for (int t = 0; t < tabs->count(); ++t) {
        tabNames << tabs->tabText(t);
    }
    EXPECT_EQ(tabNames,
              QStringList({"Offers", "Employer", "Assignment", "Length", "Multiplier", "Support",
                           "Battle Loss", "DS/JS", "Commercial", "Salvage", "Command"}));
    auto* employers = tabs->widget(1)->findChild<QTableWidget*>();
    ASSERT_EQ(employers->rowCount(), static_cast<int>(expected.terms[0].size()));
    EXPECT_EQ(employers->item(0, 0)->text().toStdString(), expected.terms[0][0].text);

    EXPECT_EQ(window.exportCsv(dir.filePath("odds.csv")), "");
    QFile csv(dir.filePath("odds.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), renderOddsCsv(expected));
    tabs->setCurrentIndex(4);
    EXPECT_EQ(window.exportChart(dir.filePath("chart.png")), "");
    EXPECT_FALSE(QImage(dir.filePath("chart.png"), "PNG").isNull());
    EXPECT_NE(window.exportCsv(dir.filePath("no-folder/odds.csv")), "");

    QFile open(document);
    ASSERT_TRUE(open.open(QIODevice::WriteOnly) && open.write("offers") == 6);
    open.close();
    ASSERT_TRUE(QFile::link(document, dir.filePath("link.csv")));
    EXPECT_NE(window.exportCsv(dir.filePath("link.csv")), "");
    EXPECT_NE(window.exportChart(document), "");
    ASSERT_TRUE(open.open(QIODevice::ReadOnly));
    EXPECT_EQ(open.readAll(), "offers");
}

TEST(OddsWindow, refusesARatingNewCustomRefuses) {
    OddsWindow window("A", OfferChoices{});
    window.show();
    choice(window, 0)->setEditText("AB");
    ModalDriver driver;
    QString message;
    driver.whenShown<QMessageBox>([&](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    window.run();
    EXPECT_EQ(message, "Please enter no more than 1 characters.");
    EXPECT_FALSE(window.isRunning());
}

// Cancel keeps what was counted; closing the window stops a run and waits for its threads.
TEST(OddsWindow, cancelAndCloseStopARunningRoll) {
    OddsWindow window("B", OfferChoices{});
    startRun(window, 1'000'000'000, "5");
    ASSERT_TRUE(window.isRunning());
    QTest::qWait(100);
    window.cancel();
    ASSERT_TRUE(waitForEnd(window));
    ASSERT_TRUE(window.result().has_value());
    EXPECT_TRUE(window.result()->cancelled);
    EXPECT_LT(window.result()->samples, 1'000'000'000u);
    EXPECT_TRUE(window.findChild<QLabel*>("oddsSummary")->text().contains("Cancelled"));

    startRun(window, 1'000'000'000, "6");
    ASSERT_TRUE(window.isRunning());
    window.close();
    EXPECT_FALSE(window.isRunning());
}

TEST(OddsWindow, chartsFollowThePalette) {
    OddsWindow window("A", OfferChoices{});
    startRun(window, 100, "1");
    ASSERT_TRUE(waitForEnd(window));
    QPalette dark = window.palette();
    dark.setColor(QPalette::Base, QColor(20, 20, 24));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    window.setPalette(dark);
    const QList<QChartView*> views = window.findChildren<QChartView*>();
    ASSERT_EQ(views.size(), 11);
    for (QChartView* view : views) {
        EXPECT_EQ(view->chart()->backgroundBrush().color(), QColor(20, 20, 24));
        EXPECT_EQ(view->chart()->titleBrush().color(), QColor(230, 230, 230));
    }
}

// Without its charts module (not found, or a file that is none) the window still opens, says
// that the charts are unavailable, and shows the counts.
TEST(OddsWindow, withoutTheChartsModuleShowsTheCountsAlone) {
    QTemporaryDir dir;
    QFile notAModule(dir.filePath("libzuvaduro_charts.so"));
    ASSERT_TRUE(notAModule.open(QIODevice::WriteOnly) && notAModule.write("text") == 4);
    notAModule.close();
    EXPECT_EQ(loadOddsChartsFrom(notAModule.fileName()), nullptr);
    EXPECT_NE(loadOddsCharts(), nullptr);  // the one beside the tests

    OddsWindow window("A", OfferChoices{}, {}, nullptr, loadOddsChartsFrom(dir.filePath("none")));
    EXPECT_NE(window.findChild<QLabel*>("oddsChartsUnavailable"), nullptr);
    startRun(window, 300, "3");
    ASSERT_TRUE(waitForEnd(window));
    auto* tabs = window.findChild<QTabWidget*>("oddsTabs");
    ASSERT_EQ(tabs->count(), 11);
    EXPECT_EQ(tabs->widget(1)->findChild<QTableWidget*>()->rowCount(),
              static_cast<int>(window.result()->terms[0].size()));
    EXPECT_TRUE(window.findChildren<QChartView*>().isEmpty());
    EXPECT_EQ(window.exportChart(dir.filePath("chart.png")), "");
    EXPECT_FALSE(QFile::exists(dir.filePath("chart.png")));
}

// View > Odds... starts from the document's rating and custom choices; a second time it raises
// the window that is open.
TEST(OddsWindow, theViewMenuOpensOneWindowFromTheDocument) {
    MemorySettings settings;
    DocumentSession session(settings, 1u);
    session.document().m_rating = "D";
    session.document().m_customChoices.salvageRights = "Full Rights";
    RecentFileList recent;
    FakePrompts prompts;
    MainWindow main(session, recent, &prompts);
    main.action(Command::Odds)->trigger();
    main.action(Command::Odds)->trigger();
    const QList<OddsWindow*> windows = main.findChildren<OddsWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_EQ(choice(*windows[0], 0)->currentText(), "D");
    EXPECT_EQ(choice(*windows[0], 7)->currentText(), "Full Rights");
}

}  // namespace
