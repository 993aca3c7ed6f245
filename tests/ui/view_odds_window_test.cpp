#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "listing/OddsReport.h"
#include "listing/OfferPay.h"
#include "session/DocumentSession.h"
#include "shell/MainWindow.h"
#include "shell/RecentFileList.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/dialogs_test_util.h"
#include "view/OddsWindow.h"
#include "view/WrappedLines.h"

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
    // New Custom's rule: "c" selects the entry "C". The status line speaks the user's locale.
    struct RestoreLocale {
        QLocale before;
        ~RestoreLocale() { QLocale::setDefault(before); }
    } restore;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    OddsWindow window("c", choices, [&] { return document; });
    window.resize(700, 520);
    window.show();
    EXPECT_EQ(choice(window, 0)->currentText(), "C");
    EXPECT_EQ(choice(window, 1)->currentText(), "Kell Hounds");
    EXPECT_EQ(choice(window, 4)->currentText(), "5.5");

    startRun(window, 5000, "77");
    ASSERT_TRUE(waitForEnd(window));
    const OddsRequest request{"C", choices, 5000, 77, 1, {}};
    const OddsResult expected = rollOdds(request);
    ASSERT_TRUE(window.result().has_value());
    EXPECT_EQ(*window.result(), expected);
    // The line above the charts says how to roll them again.
    const QString summary = window.findChild<QLabel*>("oddsSummary")->text();
    EXPECT_TRUE(
        summary.startsWith("Rating C, 5.000 rolls, seed 77; choices: Employer \"Kell "
                           "Hounds\", Payment Multiplier \"5.5\". "));
    EXPECT_TRUE(summary.endsWith(
        " " + QString::number(*expected.meanMultiplier, 'f', 4).replace('.', ',') + "x."));

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
    // Lengths read by their months, shortest first, as the chart beside them.
    auto* lengths = tabs->widget(3)->findChild<QTableWidget*>();
    ASSERT_GT(lengths->rowCount(), 2);
    for (int r = 1; r < lengths->rowCount(); ++r) {
        EXPECT_LT(contractMonths(lengths->item(r - 1, 0)->text().toStdString()),
                  contractMonths(lengths->item(r, 0)->text().toStdString()));
    }

    EXPECT_EQ(window.exportCsv(dir.filePath("odds.csv")), "");
    QFile csv(dir.filePath("odds.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), renderOddsCsv(request, expected));
    for (const int tab : {4, 3}) {  // a histogram, and bars that scroll
        tabs->setCurrentIndex(tab);
        EXPECT_EQ(window.exportChart(dir.filePath("chart.png")), "");
        const QImage png(dir.filePath("chart.png"), "PNG");
        ASSERT_FALSE(png.isNull());
        EXPECT_EQ(QStringList({png.text("Rating"), png.text("Samples"), png.text("Seed")}),
                  QStringList({"C", "5000", "77"}));
        EXPECT_EQ(png.text("Choices"), "Employer \"Kell Hounds\", Payment Multiplier \"5.5\"");
        // The caption above the chart, which is whole where its view scrolls.
        QWidget* chart = qobject_cast<QSplitter*>(tabs->widget(tab))->widget(0);
        auto* area = qobject_cast<QScrollArea*>(chart);
        EXPECT_GT(png.height(), (area != nullptr ? area->widget() : chart)->height());
    }
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

// Escape stops a run and keeps the window with what was counted; a second Escape closes it. A
// new run clears the last counts at once. Every button and label has a mnemonic of its own.
TEST(OddsWindow, escapeCancelsThenClosesAndARunClearsTheLastCounts) {
    OddsWindow window("B", OfferChoices{});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    startRun(window, 200, "4");
    ASSERT_TRUE(waitForEnd(window));
    auto* tabs = window.findChild<QTabWidget*>("oddsTabs");
    ASSERT_EQ(tabs->count(), 11);

    startRun(window, 1'000'000'000, "5");
    ASSERT_TRUE(window.isRunning());
    EXPECT_EQ(tabs->count(), 0);
    EXPECT_FALSE(window.result().has_value());
    EXPECT_FALSE(window.findChild<QAbstractButton*>("oddsExportCsv")->isEnabled());

    auto* seed = window.findChild<QLineEdit*>("oddsSeed");
    QTest::keyClick(seed, Qt::Key_Escape);
    ASSERT_TRUE(waitForEnd(window));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.result() && window.result()->cancelled);
    EXPECT_EQ(tabs->count(), 11);
    QTest::keyClick(seed, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    QString keys;  // of every button and label
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString text = widget->property("text").toString();
        if (const qsizetype amp = text.indexOf('&'); amp >= 0 && amp + 1 < text.size()) {
            EXPECT_FALSE(keys.contains(text[amp + 1].toLower())) << text.toStdString();
            keys += text[amp + 1].toLower();
        }
    }
    EXPECT_TRUE(window.findChild<QAbstractButton*>("oddsCancel")->text().contains('&'));
    EXPECT_TRUE(window.findChild<QAbstractButton*>("oddsClose")->text().contains('&'));
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
    ASSERT_EQ(views.size(), 2);  // the offers per roll and the multipliers
    for (QChartView* view : views) {
        EXPECT_EQ(view->chart()->backgroundBrush().color(), QColor(20, 20, 24));
        EXPECT_EQ(view->chart()->titleBrush().color(), QColor(230, 230, 230));
    }
    const QList<QScrollArea*> bars = window.findChildren<QScrollArea*>("oddsBarsArea");
    ASSERT_EQ(bars.size(), 9);  // every other term
    for (QScrollArea* area : bars) {
        EXPECT_EQ(area->widget()->palette().color(QPalette::Base), QColor(20, 20, 24));
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

// A label cut short keeps the text's words apart: every line, its ellipsis aside, is in the text.
TEST(OddsWindow, wrappedLabelsKeepTheirWordsApart) {
    const QString text =
        QStringLiteral("Objective Raid of the Federated Commonwealth against Clans");
    for (int width = 1; width < 400; width += 3) {
        const QStringList lines = wrappedLines(text, QFont(), width, 3);
        ASSERT_LE(lines.size(), 3);
        for (const QString& line : lines) {
            EXPECT_TRUE(text.contains(QString(line).remove(QChar(0x2026)))) << width;
        }
    }
}

}  // namespace
