#include "charts/OddsCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QPalette>
#include <QSet>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kBinsWanted = 12;  // as many as the axis can label side by side
// Longer texts (a typed choice may be any length) are cut in the chart; the table holds them.
constexpr int kLongestCategory = 40;
// A chart shows this many values of a term at most; the rest share one bar (the table lists all).
constexpr std::size_t kMostBars = 12;

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

// Axis categories must differ from each other; cut texts get a number where they would not.
QStringList categoryNames(const std::vector<QString>& texts) {
    QStringList names;
    QSet<QString> used;
    for (const QString& text : texts) {
        QString name =
            text.size() > kLongestCategory ? text.left(kLongestCategory - 1) + QChar(0x2026) : text;
        for (int n = 2; used.contains(name); ++n) {
            name = text.left(kLongestCategory - 6) + QStringLiteral("\u2026 (%1)").arg(n);
        }
        used.insert(name);
        names << name;
    }
    return names;
}

// One set of bars per run; the legend names the runs when there are more than one.
QChart* barChart(const QString& title, const QStringList& categories,
                 const std::vector<std::vector<double>>& runs, const QStringList& runNames,
                 const QString& valueTitle, const QString& categoryTitle, bool horizontal) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setVisible(runs.size() > 1);
    QAbstractBarSeries* series =
        horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries) : new QBarSeries;
    double highest = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        auto* set = new QBarSet(r < static_cast<std::size_t>(runNames.size())
                                    ? runNames[static_cast<qsizetype>(r)]
                                    : title);
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
    chart->addAxis(categoryAxis, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(valueAxis, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
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
    return barChart(QObject::tr("Offers per roll"), categories, {percentages}, {},
                    QObject::tr("% of rolls"), QObject::tr("offers"), false);
}

QChart* multiplierHistogram(const OddsResult& result) {
    const MultiplierBins bins = binMultipliers(result.multipliers);
    QStringList categories;
    std::vector<double> percentages;
    for (std::size_t i = 0; i < bins.counts.size(); ++i) {
        categories << QString::number(bins.start + static_cast<double>(i) * bins.width, 'g', 6);
        percentages.push_back(percentOf(bins.counts[i], result.offers));
    }
    QString title = QObject::tr("Payment multiplier");
    if (bins.leftOut > 0) {
        title += QObject::tr(" (%1 offers whose multiplier is no finite number are not shown)")
                     .arg(bins.leftOut);
    }
    return barChart(title, categories, {percentages}, {}, QObject::tr("% of offers"),
                    QObject::tr("multiplier (each bar from its value to the next)"), false);
}

QChart* termChart(const QString& title, const std::vector<OddsValue>& values,
                  std::uint64_t offers) {
    std::vector<QString> texts;
    std::vector<double> percentages;
    const std::size_t shown = values.size() > kMostBars ? kMostBars - 1 : values.size();
    if (shown < values.size()) {
        std::uint64_t rest = 0;
        for (std::size_t i = shown; i < values.size(); ++i) {
            rest += values[i].count;
        }
        texts.push_back(QObject::tr("%1 others").arg(values.size() - shown));
        percentages.push_back(percentOf(rest, offers));
    }
    // Horizontal bars are drawn from the bottom up: the most common goes last.
    for (std::size_t i = shown; i-- > 0;) {
        texts.push_back(QString::fromStdString(values[i].text));
        percentages.push_back(percentOf(values[i].count, offers));
    }
    return barChart(title, categoryNames(texts), {percentages}, {}, QObject::tr("% of offers"),
                    QString(), true);
}

QChart* compareChart(const QString& title, const QStringList& categories,
                     const std::vector<std::vector<double>>& runs, const QStringList& runNames,
                     bool horizontal) {
    std::vector<QString> texts(categories.begin(), categories.end());
    return barChart(title, categoryNames(texts), runs, runNames, QObject::tr("%"), QString(),
                    horizontal);
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
            // A second run's bars stand beside the first's in the palette's quieter colour.
            const QList<QBarSet*> sets = bars->barSets();
            for (qsizetype i = 0; i < sets.size(); ++i) {
                const QColor fill =
                    i == 0 ? palette.color(QPalette::Highlight) : palette.color(QPalette::Mid);
                sets[i]->setColor(fill);
                sets[i]->setBorderColor(fill.darker(130));
                sets[i]->setLabelColor(palette.color(QPalette::HighlightedText));
            }
        }
    }
}
