#include "charts/OddsCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLocale>
#include <QPalette>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kBinsWanted = 12;  // as many as the axis can label side by side
double percentOf(std::uint64_t count, std::uint64_t total) {
    return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

// The smallest of 1, 2, 2.5 and 5 times a power of ten that is at least `step`.
double roundWidth(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * power >= step) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

QChart* barChart(const QString& title, const QStringList& categories,
                 const std::vector<double>& percentages, const QString& valueTitle,
                 const QString& categoryTitle) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    auto* set = new QBarSet(title);
    double highest = 0;
    for (double percentage : percentages) {
        *set << percentage;
        highest = std::max(highest, percentage);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.8);
    chart->addSeries(series);

    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    categoryAxis->setTitleText(categoryTitle);
    auto* valueAxis = new QValueAxis;
    valueAxis->setRange(0, highest > 0 ? highest * 1.05 : 1.0);
    valueAxis->setLabelFormat(QStringLiteral("%.0f%%"));
    valueAxis->setTitleText(valueTitle);
    valueAxis->applyNiceNumbers();
    chart->addAxis(categoryAxis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(categoryAxis);
    series->attachAxis(valueAxis);
    return chart;
}

}  // namespace

MultiplierBins binMultipliers(const std::vector<MultiplierCount>& multipliers) {
    MultiplierBins bins;
    double low = INFINITY;
    double high = -INFINITY;
    for (const MultiplierCount& m : multipliers) {
        if (std::isfinite(m.value)) {
            low = std::min(low, m.value);
            high = std::max(high, m.value);
        } else {
            bins.leftOut += m.count;
        }
    }
    if (low > high) {
        return bins;  // nothing to bin
    }
    bins.width = high > low ? roundWidth((high - low) / kBinsWanted) : 1.0;
    bins.start = std::floor(low / bins.width) * bins.width;
    const auto binCount =
        static_cast<std::size_t>(std::floor((high - bins.start) / bins.width)) + 1;
    bins.counts.assign(binCount, 0);
    for (const MultiplierCount& m : multipliers) {
        if (std::isfinite(m.value)) {
            const double index = std::floor((m.value - bins.start) / bins.width);
            bins.counts[std::clamp<std::size_t>(static_cast<std::size_t>(std::max(0.0, index)), 0,
                                                binCount - 1)] += m.count;
        }
    }
    return bins;
}

QChart* offerCountChart(const OddsResult& result) {
    QStringList categories;
    std::vector<double> percentages;
    for (std::size_t n = 0; n < result.offerCounts.size(); ++n) {
        categories << QString::number(n);
        percentages.push_back(percentOf(result.offerCounts[n], result.samples));
    }
    return barChart(QObject::tr("Offers per roll"), categories, percentages,
                    QObject::tr("% of rolls"), QObject::tr("offers"));
}

QChart* multiplierHistogram(const OddsResult& result) {
    const MultiplierBins bins = binMultipliers(result.multipliers);
    QStringList categories;
    std::vector<double> percentages;
    for (std::size_t i = 0; i < bins.counts.size(); ++i) {
        categories << QLocale().toString(bins.start + static_cast<double>(i) * bins.width, 'g', 6);
        percentages.push_back(percentOf(bins.counts[i], result.offers));
    }
    QString title = QObject::tr("Payment multiplier");
    if (bins.leftOut > 0) {
        title += QObject::tr(" (%1 offers whose multiplier is no finite number are not shown)")
                     .arg(bins.leftOut);
    }
    return barChart(title, categories, percentages, QObject::tr("% of offers"),
                    QObject::tr("multiplier (each bar from its value to the next)"));
}

void paintOddsChart(QChart& chart, const QPalette& palette) {
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    // Grid lines a little off the background, on light and on dark backgrounds alike.
    const QColor grid = QColor::fromRgbF(base.redF() * 0.85f + text.redF() * 0.15f,
                                         base.greenF() * 0.85f + text.greenF() * 0.15f,
                                         base.blueF() * 0.85f + text.blueF() * 0.15f);
    chart.setBackgroundBrush(base);
    chart.setBackgroundPen(QPen(palette.color(QPalette::Mid)));
    chart.setPlotAreaBackgroundVisible(false);
    chart.setTitleBrush(text);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(palette.color(QPalette::Mid));
        axis->setGridLineColor(grid);
    }
    for (QAbstractSeries* series : chart.series()) {
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                set->setColor(palette.color(QPalette::Highlight));
                set->setBorderColor(palette.color(QPalette::Highlight).darker(130));
                set->setLabelColor(palette.color(QPalette::HighlightedText));
            }
        }
    }
}
