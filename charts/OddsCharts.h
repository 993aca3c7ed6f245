#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "generate/Odds.h"

class QChart;
class QPalette;

// The charts of odds runs' offer counts and multipliers (a term's values are OddsBars): bars as
// percentages, a set of bars per run, side by side, named in the legend when there are more runs
// than one. They take their colours from a palette (paintOddsChart), so that they follow the
// desktop's light or dark scheme.

// Samples with 0 to 4 offers; `runs` is not empty.
QChart* offerCountChart(const std::vector<const OddsResult*>& runs,
                        const QStringList& runNames = {});
// The multipliers' numbers in bins of equal width, the same bins for every run.
QChart* multiplierHistogram(const std::vector<const OddsResult*>& runs,
                            const QStringList& runNames = {});

// Background, texts, grid and bars in the palette's colours.
void paintOddsChart(QChart& chart, const QPalette& palette);
// The colour of the bars of run `run` (0 for the first): the palette's highlight, then one that
// stands apart from it.
QColor oddsRunColour(const QPalette& palette, int run);

// Equal bins over the finite multipliers: from a round lower edge, a round width that gives
// about a dozen bins. Values that are no finite number are left out and counted apart.
struct MultiplierBins {
    double start = 0;
    double width = 1;
    std::vector<std::uint64_t> counts;
    std::uint64_t leftOut = 0;
};
// One MultiplierBins per run, all with the bins that cover every run, so that their bars line up.
std::vector<MultiplierBins> binMultipliers(
    const std::vector<const std::vector<MultiplierCount>*>& runs);
