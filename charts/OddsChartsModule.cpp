// The module's side of OddsChartMaker: the charts of charts/OddsCharts.h, each in its own view.

#include <QChartView>

#include "charts/OddsCharts.h"
#include "view/OddsChartMaker.h"

namespace {

class ChartMaker final : public OddsChartMaker {
public:
    QWidget* offerCountView(const OddsResult& result, const QPalette& palette) const override {
        return viewOf(offerCountChart(result), palette);
    }
    QWidget* multiplierView(const OddsResult& result, const QPalette& palette) const override {
        return viewOf(multiplierHistogram(result), palette);
    }
    QWidget* termView(const QString& title, const std::vector<OddsValue>& values,
                      std::uint64_t offers, const QPalette& palette) const override {
        return viewOf(termChart(title, values, offers), palette);
    }
    QWidget* compareView(const QString& title, const QStringList& categories,
                         const std::vector<double>& first, const std::vector<double>& second,
                         const QStringList& runNames, bool horizontal,
                         const QPalette& palette) const override {
        return viewOf(compareChart(title, categories, {first, second}, runNames, horizontal),
                      palette);
    }
    void repaint(QWidget& view, const QPalette& palette) const override {
        if (auto* chartView = qobject_cast<QChartView*>(&view)) {
            paintOddsChart(*chartView->chart(), palette);
        }
    }

private:
    static QWidget* viewOf(QChart* chart, const QPalette& palette) {
        paintOddsChart(*chart, palette);
        auto* view = new QChartView(chart);  // takes the chart
        view->setRenderHint(QPainter::Antialiasing);
        return view;
    }
};

}  // namespace

// Named as kOddsChartsEntry says.
extern "C" Q_DECL_EXPORT OddsChartMaker* zuvaduroOddsChartsV2() {
    return new ChartMaker;
}
