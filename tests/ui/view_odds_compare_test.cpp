#include <gtest/gtest.h>

#include <QAbstractBarSeries>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <variant>

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
    auto* chart = tabs->widget(9)->findChild<QChartView*>();
    ASSERT_NE(chart, nullptr);
    auto* bars = qobject_cast<QAbstractBarSeries*>(chart->chart()->series().at(0));
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->barSets().size(), 2);

    QTemporaryDir dir;
    EXPECT_EQ(window.exportCsv(dir.filePath("compare.csv")), "");
    QFile csv(dir.filePath("compare.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), renderOddsCompareCsv(builtIn, house));
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
