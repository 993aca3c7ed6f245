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

// One set of bars per run; the legend names the runs when there is more than one.
QChart* barChart(const QString& title, const QStringList& categories,
                 const std::vector<std::vector<double>>& runs, const QStringList& runNames,
                 const QString& valueTitle, const QString& categoryTitle) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setVisible(runs.size() > 1);
    auto* series = new QBarSeries;
    double highest = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const auto name = static_cast<qsizetype>(r);
        auto* set = new QBarSet(name < runNames.size() ? runNames[name] : title);
        for (double percentage : runs[r]) {
            *set << percentage;
            highest = std::max(highest, percentage);
        }
        series->append(set);
    }
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

std::vector<MultiplierBins> binMultipliers(
    const std::vector<const std::vector<MultiplierCount>*>& runs) {
    double low = INFINITY;
    double high = -INFINITY;
    for (const std::vector<MultiplierCount>* multipliers : runs) {
        for (const MultiplierCount& m : *multipliers) {
            if (std::isfinite(m.value)) {
                low = std::min(low, m.value);
                high = std::max(high, m.value);
            }
        }
    }
    MultiplierBins shape;
    std::size_t binCount = 0;
    if (low <= high) {
        shape.width = high > low ? roundWidth((high - low) / kBinsWanted) : 1.0;
        shape.start = std::floor(low / shape.width) * shape.width;
        binCount = static_cast<std::size_t>(std::floor((high - shape.start) / shape.width)) + 1;
    }
    std::vector<MultiplierBins> made;
    for (const std::vector<MultiplierCount>* multipliers : runs) {
        MultiplierBins bins = shape;
        bins.counts.assign(binCount, 0);
        for (const MultiplierCount& m : *multipliers) {
            if (!std::isfinite(m.value)) {
                bins.leftOut += m.count;
                continue;
            }
            const double index = std::floor((m.value - bins.start) / bins.width);
            bins.counts[std::clamp<std::size_t>(static_cast<std::size_t>(std::max(0.0, index)), 0,
                                                binCount - 1)] += m.count;
        }
        made.push_back(std::move(bins));
    }
    return made;
}

QChart* offerCountChart(const std::vector<const OddsResult*>& runs, const QStringList& runNames) {
    QStringList categories;
    for (std::size_t n = 0; n < runs.front()->offerCounts.size(); ++n) {
        categories << QString::number(n);
    }
    std::vector<std::vector<double>> percentages;
    for (const OddsResult* result : runs) {
        std::vector<double>& run = percentages.emplace_back();
        for (std::uint64_t count : result->offerCounts) {
            run.push_back(percentOf(count, result->samples));
        }
    }
    return barChart(QObject::tr("Offers per roll"), categories, percentages, runNames,
                    QObject::tr("% of rolls"), QObject::tr("offers"));
}

QChart* multiplierHistogram(const std::vector<const OddsResult*>& runs,
                            const QStringList& runNames) {
    std::vector<const std::vector<MultiplierCount>*> multipliers;
    for (const OddsResult* result : runs) {
        multipliers.push_back(&result->multipliers);
    }
    const std::vector<MultiplierBins> bins = binMultipliers(multipliers);
    QStringList categories;
    for (std::size_t i = 0; i < bins.front().counts.size(); ++i) {
        categories << QLocale().toString(
            bins.front().start + static_cast<double>(i) * bins.front().width, 'g', 6);
    }
    std::vector<std::vector<double>> percentages;
    std::uint64_t leftOut = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        std::vector<double>& run = percentages.emplace_back();
        for (std::uint64_t count : bins[r].counts) {
            run.push_back(percentOf(count, runs[r]->offers));
        }
        leftOut = std::max(leftOut, bins[r].leftOut);
    }
    QString title = QObject::tr("Payment multiplier");
    if (leftOut > 0) {
        title += QObject::tr(" (%1 offers whose multiplier is no finite number are not shown)")
                     .arg(leftOut);
    }
    return barChart(title, categories, percentages, runNames, QObject::tr("% of offers"),
                    QObject::tr("multiplier (each bar from its value to the next)"));
}

QColor oddsRunColour(const QPalette& palette, int run) {
    const QColor first = palette.color(QPalette::Highlight);
    if (run == 0) {
        return first;
    }
    // Far round the colour wheel from the first, as light or dark as it, so that the text
    // beside both bars reads alike.
    const int hue = first.hsvHue() < 0 ? 30 : (first.hsvHue() + 150) % 360;
    return QColor::fromHsv(hue, std::max(first.hsvSaturation(), 140), first.value());
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
    chart.legend()->setLabelColor(text);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(palette.color(QPalette::Mid));
        axis->setGridLineColor(grid);
    }
    for (QAbstractSeries* series : chart.series()) {
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            const QList<QBarSet*> sets = bars->barSets();
            for (qsizetype i = 0; i < sets.size(); ++i) {
                const QColor fill = oddsRunColour(palette, static_cast<int>(i));
                sets[i]->setColor(fill);
                sets[i]->setBorderColor(fill.darker(130));
                sets[i]->setLabelColor(palette.color(QPalette::HighlightedText));
            }
        }
    }
}
