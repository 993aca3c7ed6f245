// The module's side of OddsChartMaker: the charts of charts/OddsCharts.h, each in its own view,
// and a term's values as OddsBars in a scroll area.

#include <QChartView>
#include <QScrollArea>

#include "charts/OddsBars.h"
#include "charts/OddsCharts.h"
#include "view/OddsChartMaker.h"

namespace {

double percentOf(std::uint64_t count, std::uint64_t total) {
    return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

class ChartMaker final : public OddsChartMaker {
public:
    QWidget* offerCountView(const std::vector<const OddsResult*>& runs, const QStringList& runNames,
                            const QPalette& palette) const override {
        return viewOf(offerCountChart(runs, runNames), palette);
    }
    QWidget* multiplierView(const std::vector<const OddsResult*>& runs, const QStringList& runNames,
                            const QPalette& palette) const override {
        return viewOf(multiplierHistogram(runs, runNames), palette);
    }
    QWidget* termView(const QString& title, const std::vector<OddsValue>& values,
                      std::uint64_t offers, const QPalette& /*palette*/) const override {
        std::vector<OddsBars::Bar> bars;
        bars.reserve(values.size());
        for (const OddsValue& value : values) {
            bars.push_back({QString::fromStdString(value.text),
                            {{value.count, percentOf(value.count, offers)}}});
        }
        return scrolled(new OddsBars(title, std::move(bars)));
    }
    QWidget* termCompareView(const QString& title, const OddsCompareTable& table,
                             const QStringList& runNames,
                             const QPalette& /*palette*/) const override {
        std::vector<OddsBars::Bar> bars;
        bars.reserve(table.rows.size());
        for (const OddsCompareRow& row : table.rows) {
            bars.push_back({QString::fromStdString(row.text),
                            {{row.builtIn, percentOf(row.builtIn, table.builtInTotal)},
                             {row.house, percentOf(row.house, table.houseTotal)}}});
        }
        return scrolled(new OddsBars(title, std::move(bars), runNames));
    }
    void repaint(QWidget& view, const QPalette& palette) const override {
        if (auto* chartView = qobject_cast<QChartView*>(&view)) {
            paintOddsChart(*chartView->chart(), palette);
        } else {
            view.update();  // the bars read the palette as they paint
        }
    }
    QPixmap picture(QWidget& view) const override {
        if (auto* area = qobject_cast<QScrollArea*>(&view); area != nullptr && area->widget()) {
            return area->widget()->grab();  // every bar, also those scrolled out of sight
        }
        return view.grab();
    }

private:
    static QWidget* scrolled(OddsBars* bars) {
        auto* area = new QScrollArea;
        area->setObjectName(QStringLiteral("oddsBarsArea"));
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        // The bars paint in the palette they inherit from the window, light or dark.
        area->setWidget(bars);
        return area;
    }
    static QWidget* viewOf(QChart* chart, const QPalette& palette) {
        paintOddsChart(*chart, palette);
        auto* view = new QChartView(chart);  // takes the chart
        view->setRenderHint(QPainter::Antialiasing);
        return view;
    }
};

}  // namespace

// Named as kOddsChartsEntry says.
extern "C" Q_DECL_EXPORT OddsChartMaker* zuvaduroOddsChartsV3() {
    return new ChartMaker;
}
