#include <gtest/gtest.h>

#include <QAbstractBarSeries>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <variant>

#include "listing/OddsOrder.h"
#include "listing/OddsReport.h"
#include "rules/RulesFile.h"
#include "tests/support/HouseRules.h"
#include "view/OddsWindow.h"

namespace {

std::shared_ptr<const RuleSet> houseRules() {
    RulesReadResult read = readRules(testsupport::houseRulesText());
    return std::make_shared<const RuleSet>(std::get<RuleSet>(std::move(read)));
}

bool runToEnd(OddsWindow& window, int samples, const QString& seed) {
    window.findChild<QSpinBox*>("oddsSamples")->setValue(samples);
    window.findChild<QLineEdit*>("oddsSeed")->setText(seed);
    window.run();
    return QTest::qWaitFor([&] { return !window.isRunning(); }, 20000);
}

int rowOf(QTableWidget& table, const QString& value) {
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.item(r, 0)->text() == value) {
            return r;
        }
    }
    return -1;
}

// Both columns are exactly the two runs made apart from the same seed; the salvage row the
// house rules renamed is counted on its own side only, and the CSV carries both runs.
TEST(OddsCompare, countsEqualTwoSeparateRunsFromTheSameSeed) {
    const std::shared_ptr<const RuleSet> rules = houseRules();
    OddsWindow window("A", {});
    window.setRulesSource([&] { return rules; });
    EXPECT_TRUE(window.findChild<QCheckBox*>("oddsCompare")->isEnabled());
    EXPECT_TRUE(window.findChild<QLabel*>("oddsRules")->text().contains("Clan Invasion"));
    window.setComparing(true);
    ASSERT_TRUE(runToEnd(window, 4000, "21"));

    const OddsResult builtIn = rollOdds({"A", {}, 4000, 21, 1, nullptr});
    const OddsResult house = rollOdds({"A", {}, 4000, 21, 1, rules});
    ASSERT_TRUE(window.result() && window.builtInResult());
    EXPECT_EQ(*window.builtInResult(), builtIn);
    EXPECT_EQ(*window.result(), house);
    // Only salvage differs, so the count and every other term agree.
    EXPECT_EQ(builtIn.offerCounts, house.offerCounts);
    EXPECT_NE(builtIn.terms[8], house.terms[8]);

    auto* tabs = window.findChild<QTabWidget*>("oddsTabs");
    ASSERT_EQ(tabs->count(), 11);
    auto* salvage = tabs->widget(9)->findChild<QTableWidget*>();
    ASSERT_NE(salvage, nullptr);
    const int full = rowOf(*salvage, "Full Rights");
    const int shares = rowOf(*salvage, "Salvage Shares");
    ASSERT_GE(full, 0);
    ASSERT_GE(shares, 0);
    EXPECT_EQ(salvage->item(full, 3)->text(), "0");
    EXPECT_EQ(salvage->item(shares, 1)->text(), "0");
    EXPECT_EQ(salvage->item(full, 1)->text(), salvage->item(shares, 3)->text());
    // Offers per roll and the multipliers: two sets of bars each.
    for (int tab : {0, 4}) {
        auto* chart = tabs->widget(tab)->findChild<QChartView*>();
        ASSERT_NE(chart, nullptr) << tab;
        auto* bars = qobject_cast<QAbstractBarSeries*>(chart->chart()->series().at(0));
        ASSERT_NE(bars, nullptr) << tab;
        EXPECT_EQ(bars->barSets().size(), 2) << tab;
    }
    // A term's values: every value of either run, in the single run's order, each with both
    // runs' shares and the difference in its tip.
    auto* length = tabs->widget(3)->findChild<QTableWidget*>();
    ASSERT_NE(length, nullptr);
    std::vector<OddsValue> counted;
    for (int r = 0; r < length->rowCount(); ++r) {
        counted.push_back({length->item(r, 0)->text().toStdString(), 0});
    }
    const std::vector<OddsValue> ordered = inShownOrder(TermValues::Months, counted);
    for (std::size_t r = 0; r < counted.size(); ++r) {
        EXPECT_EQ(counted[r].text, ordered[r].text) << r;
    }
    auto* salvageBars = tabs->widget(9)->findChild<QWidget*>("oddsBarsArea");
    ASSERT_NE(salvageBars, nullptr);
    auto* shown = qobject_cast<QScrollArea*>(salvageBars)->widget();
    shown->resize(800, shown->heightForWidth(800));
    QString tip;
    for (int y = 0; y < shown->height() && tip.isEmpty(); y += 4) {
        QHelpEvent help(QEvent::ToolTip, QPoint(400, y), shown->mapToGlobal(QPoint(400, y)));
        QApplication::sendEvent(shown, &help);
        if (QToolTip::isVisible() && QToolTip::text().startsWith("Full Rights")) {
            tip = QToolTip::text();
        }
    }
    EXPECT_TRUE(tip.contains("built-in tables: " + salvage->item(full, 1)->text() + " offers"))
        << tip.toStdString();
    EXPECT_TRUE(tip.contains("house rules 'Clan Invasion': 0 offers")) << tip.toStdString();
    EXPECT_TRUE(tip.contains("Difference: " + salvage->item(full, 5)->text())) << tip.toStdString();

    QTemporaryDir dir;
    EXPECT_EQ(window.exportCsv(dir.filePath("compare.csv")), "");
    QFile csv(dir.filePath("compare.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(),
              renderOddsCompareCsv(window.shownRequest(), builtIn, house));
}

// With the built-in tables in use there is nothing to compare: one run, as before.
TEST(OddsCompare, theBuiltInTablesRunAlone) {
    OddsWindow window("B", {});
    window.setRulesSource([] { return std::shared_ptr<const RuleSet>(); });
    EXPECT_FALSE(window.findChild<QCheckBox*>("oddsCompare")->isEnabled());
    window.setComparing(true);
    ASSERT_TRUE(runToEnd(window, 500, "3"));
    EXPECT_FALSE(window.builtInResult().has_value());
    EXPECT_EQ(*window.result(), rollOdds({"B", {}, 500, 3, 1, nullptr}));
}

}  // namespace
