// The odds window's comparison: the rules in use beside the built-in tables, counted from the
// same seeds (see OddsWindow::setComparing).

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "listing/OddsOrder.h"
#include "listing/OddsReport.h"
#include "view/OddsWindow.h"

namespace {

double shareOf(std::uint64_t count, std::uint64_t total) {
    return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

QString meanText(const std::optional<double>& mean) {
    return mean ? QLocale().toString(*mean, 'f', 4) + QLatin1Char('x') : QObject::tr("none");
}

QTableWidgetItem* rightAligned(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* compareTable(const OddsCompareTable& pairs, const QFontMetrics& metrics) {
    const QLocale locale;
    auto* table = new QTableWidget(static_cast<int>(pairs.rows.size()), 6);
    table->setHorizontalHeaderLabels({QObject::tr("Value"), QObject::tr("Built-in"),
                                      QObject::tr("%"), QObject::tr("House rules"),
                                      QObject::tr("%"), QObject::tr("\u00b1 points")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < static_cast<int>(pairs.rows.size()); ++r) {
        const OddsCompareRow& row = pairs.rows[static_cast<std::size_t>(r)];
        const double first = shareOf(row.builtIn, pairs.builtInTotal);
        const double second = shareOf(row.house, pairs.houseTotal);
        auto* value = new QTableWidgetItem(QString::fromStdString(row.text));
        value->setToolTip(value->text());  // a long value is cut in its column
        table->setItem(r, 0, value);
        table->setItem(r, 1, rightAligned(locale.toString(static_cast<qulonglong>(row.builtIn))));
        table->setItem(r, 2, rightAligned(locale.toString(first, 'f', 2)));
        table->setItem(r, 3, rightAligned(locale.toString(static_cast<qulonglong>(row.house))));
        table->setItem(r, 4, rightAligned(locale.toString(second, 'f', 2)));
        // Rounded as shown, so that a change too small to show carries no sign.
        const double points = std::round((second - first) * 100.0) / 100.0 + 0.0;
        table->setItem(r, 5,
                       rightAligned((points > 0 ? QStringLiteral("+") : QString()) +
                                    locale.toString(points, 'f', 2)));
    }
    table->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    // Six columns share the pane: the numbers keep their width, so that the difference stays in
    // sight, and the values take the rest (a value cut short has its tip).
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return table;
}

}  // namespace

void OddsWindow::showComparison() {
    const OddsResult& rules = *m_result;
    const OddsResult& builtIn = *m_builtInResult;
    const QLocale locale;
    const QString rulesName =
        tr("house rules '%1'").arg(QString::fromStdString(m_shownRequest.rulesInUse().name));
    QString summary =
        tr("Rating %1, %2 rolls each, seed %3; choices: %4. Built-in tables: %5 offers, mean "
           "payment multiplier %6. %7: %8 offers, mean payment multiplier %9.")
            .arg(QString::fromStdString(m_shownRequest.rating),
                 locale.toString(static_cast<qulonglong>(rules.samples)),
                 QString::number(m_shownRequest.seed), choicesText(m_shownRequest),
                 locale.toString(static_cast<qulonglong>(builtIn.offers)),
                 meanText(builtIn.meanMultiplier), rulesName.left(1).toUpper() + rulesName.mid(1),
                 locale.toString(static_cast<qulonglong>(rules.offers)),
                 meanText(rules.meanMultiplier));
    if (rules.cancelled || builtIn.cancelled) {
        summary +=
            QLatin1Char(' ') + tr("Cancelled: these are the counts of the rolls done before.");
    }
    m_summary->setText(summary);

    const OddsChartMaker* charts = m_chartMaker.get();
    const QStringList runNames = {tr("built-in tables"), rulesName};
    const std::vector<const OddsResult*> runs = {&builtIn, &rules};
    std::vector<OddsCompareTable> tables = compareOdds(builtIn, rules);
    addTab(tr("Offers"), charts ? charts->offerCountView(runs, runNames, palette()) : nullptr,
           compareTable(tables[0], fontMetrics()));
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        const OfferTerm& term = kOddsTerms[t];
        OddsCompareTable& pairs = tables[t + 1];
        // In the order the single run shows: amounts by amount, names by count.
        pairs.rows = inShownOrder(term.values, std::move(pairs.rows));
        QWidget* chart =
            charts == nullptr ? nullptr
            : t == kPaymentMultiplierTerm
                ? charts->multiplierView(runs, runNames, palette())
                : charts->termCompareView(fromUtf8(term.name), pairs, runNames, palette());
        addTab(tr(std::string(term.tab).c_str()), chart, compareTable(pairs, fontMetrics()));
    }
    m_tabs->setCurrentIndex(std::max(0, m_lastTab));
    m_exportCsv->setEnabled(true);
    m_exportChart->setEnabled(charts != nullptr);
}
