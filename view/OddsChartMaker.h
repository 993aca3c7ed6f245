#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "generate/Odds.h"
#include "listing/OddsReport.h"

class QPalette;
class QWidget;

// The odds window's charts, made by a module of their own (charts/) that the window loads when
// it first opens, so that a start that never shows the odds loads no chart library. The module
// is built from the same sources as the program; the entry point's name carries the version of
// this interface, and a module built for another version is not used.
class OddsChartMaker {
public:
    virtual ~OddsChartMaker() = default;

    // A widget showing one chart, in `palette`'s colours; the caller owns it. The charts of
    // several runs draw a bar per run side by side, in the order of `runs` and named by
    // `runNames` in a legend.
    // Samples with 0 to 4 offers (`runs` is not empty):
    virtual QWidget* offerCountView(const std::vector<const OddsResult*>& runs,
                                    const QStringList& runNames, const QPalette& palette) const = 0;
    // The multipliers' numbers in bins of equal width, the same bins for every run:
    virtual QWidget* multiplierView(const std::vector<const OddsResult*>& runs,
                                    const QStringList& runNames, const QPalette& palette) const = 0;
    // One term's values as bars, top to bottom in the order given, each with its full text:
    virtual QWidget* termView(const QString& title, const std::vector<OddsValue>& values,
                              std::uint64_t offers, const QPalette& palette) const = 0;
    // One term's values in two runs (built-in, then house), two bars per value, top to bottom in
    // the order of `table`'s rows; a value's tip gives both counts and shares and the difference.
    virtual QWidget* termCompareView(const QString& title, const OddsCompareTable& table,
                                     const QStringList& runNames,
                                     const QPalette& palette) const = 0;
    // Paints a chart made above again, when the desktop's colours change.
    virtual void repaint(QWidget& view, const QPalette& palette) const = 0;
    // A chart made above as a picture, whole even where its view scrolls.
    virtual QPixmap picture(QWidget& view) const = 0;
};

// The module's entry point: a new maker, owned by the caller.
inline constexpr char kOddsChartsEntry[] = "zuvaduroOddsChartsV3";
using OddsChartsEntry = OddsChartMaker* (*)();

// The chart maker of the module beside the program or in the package's library folder
// (../lib/zuvaduro from the program's folder); nothing when neither holds a usable module.
std::unique_ptr<OddsChartMaker> loadOddsCharts();
// The same, from the module file at `path` only.
std::unique_ptr<OddsChartMaker> loadOddsChartsFrom(const QString& path);
