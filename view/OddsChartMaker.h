#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "generate/Odds.h"

class QPalette;
class QWidget;

// The odds window's charts, made by a module of their own (charts/) that the window loads when
// it first opens, so that a start that never shows the odds loads no chart library. The module
// is built from the same sources as the program; the entry point's name carries the version of
// this interface, and a module built for another version is not used.
class OddsChartMaker {
public:
    virtual ~OddsChartMaker() = default;

    // A widget showing one chart, in `palette`'s colours; the caller owns it.
    // Samples with 0 to 4 offers:
    virtual QWidget* offerCountView(const OddsResult& result, const QPalette& palette) const = 0;
    // The multipliers' numbers in bins of equal width:
    virtual QWidget* multiplierView(const OddsResult& result, const QPalette& palette) const = 0;
    // One term's values, most common on top:
    virtual QWidget* termView(const QString& title, const std::vector<OddsValue>& values,
                              std::uint64_t offers, const QPalette& palette) const = 0;
    // Two runs side by side, two bars per category: the percentages of each run, named by
    // `runNames` in the legend. Horizontal bars are drawn from the bottom up.
    virtual QWidget* compareView(const QString& title, const QStringList& categories,
                                 const std::vector<double>& first,
                                 const std::vector<double>& second, const QStringList& runNames,
                                 bool horizontal, const QPalette& palette) const = 0;
    // Paints a chart made above again, when the desktop's colours change.
    virtual void repaint(QWidget& view, const QPalette& palette) const = 0;
};

// The module's entry point: a new maker, owned by the caller.
inline constexpr char kOddsChartsEntry[] = "zuvaduroOddsChartsV2";
using OddsChartsEntry = OddsChartMaker* (*)();

// The chart maker of the module beside the program or in the package's library folder
// (../lib/zuvaduro from the program's folder); nothing when neither holds a usable module.
std::unique_ptr<OddsChartMaker> loadOddsCharts();
// The same, from the module file at `path` only.
std::unique_ptr<OddsChartMaker> loadOddsChartsFrom(const QString& path);
