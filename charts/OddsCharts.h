#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "generate/Odds.h"

class QChart;
class QPalette;

// The charts of an odds run: bars as percentages, one colour, no legend. They take their colours
// from a palette (paintOddsChart), so that they follow the desktop's light or dark scheme.

// Samples with 0 to 4 offers.
QChart* offerCountChart(const OddsResult& result);
// The multipliers' numbers in bins of equal width.
QChart* multiplierHistogram(const OddsResult& result);
// One term's values, most common on top.
QChart* termChart(const QString& title, const std::vector<OddsValue>& values, std::uint64_t offers);

// Runs side by side: a set of bars per run (percentages per category, named in the legend).
QChart* compareChart(const QString& title, const QStringList& categories,
                     const std::vector<std::vector<double>>& runs, const QStringList& runNames,
                     bool horizontal);

// Background, texts, grid and bars in the palette's colours.
void paintOddsChart(QChart& chart, const QPalette& palette);

// Equal bins over the finite multipliers: from a round lower edge, a round width that gives
// about a dozen bins. Values that are no finite number are left out and counted apart.
struct MultiplierBins {
    double start = 0;
    double width = 1;
    std::vector<std::uint64_t> counts;
    std::uint64_t leftOut = 0;
};
MultiplierBins binMultipliers(const std::vector<MultiplierCount>& multipliers);
