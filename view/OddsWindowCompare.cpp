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

#include "listing/OddsReport.h"
#include "view/OddsWindow.h"

namespace {

// A chart compares this many values of a term at most, the most common of the built-in tables
// first; the table beside it lists them all.
constexpr std::size_t kMostComparedBars = 12;

double shareOf(std::uint64_t count, std::uint64_t total) {
    return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

QString meanText(const std::optional<double>& mean) {
    return mean ? QString::number(*mean, 'f', 4) + QLatin1Char('x') : QObject::tr("none");
}

QTableWidgetItem* rightAligned(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

void OddsWindow::showComparison() {
    const OddsResult& rules = *m_result;
    const OddsResult& builtIn = *m_builtInResult;
    const QLocale locale;
    const QString rulesName =
        tr("house rules '%1'").arg(QString::fromStdString(m_shownRequest.rulesInUse().name));
    QString summary =
        tr("Rating %1: %2 rolls with seed %3 each. Built-in tables: %4 offers, mean payment "
           "multiplier %5. %6: %7 offers, mean payment multiplier %8.")
            .arg(QString::fromStdString(m_shownRequest.rating),
                 locale.toString(static_cast<qulonglong>(rules.samples)),
                 QString::number(m_shownRequest.seed),
                 locale.toString(static_cast<qulonglong>(builtIn.offers)),
                 meanText(builtIn.meanMultiplier), rulesName.left(1).toUpper() + rulesName.mid(1),
                 locale.toString(static_cast<qulonglong>(rules.offers)),
                 meanText(rules.meanMultiplier));
    if (rules.cancelled || builtIn.cancelled) {
        summary +=
            QLatin1Char(' ') + tr("Cancelled: these are the counts of the rolls done before.");
    }
    m_summary->setText(summary);

    const int current = m_tabs->currentIndex();
    clearResultTabs();
    const std::vector<OddsCompareTable> tables = compareOdds(builtIn, rules);
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const OddsCompareTable& pairs = tables[t];
        const bool isCount = t == 0;
        auto* table = new QTableWidget(static_cast<int>(pairs.rows.size()), 6);
        table->setHorizontalHeaderLabels({tr("Value"), tr("Built-in"), tr("%"), tr("House rules"),
                                          tr("%"), tr("Difference (points)")});
        table->verticalHeader()->hide();
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        QStringList categories;
        std::vector<double> rulesShares;
        std::vector<double> builtInShares;
        for (int r = 0; r < static_cast<int>(pairs.rows.size()); ++r) {
            const OddsCompareRow& row = pairs.rows[static_cast<std::size_t>(r)];
            const double first = shareOf(row.builtIn, pairs.builtInTotal);
            const double second = shareOf(row.house, pairs.houseTotal);
            table->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.text)));
            table->setItem(r, 1,
                           rightAligned(locale.toString(static_cast<qulonglong>(row.builtIn))));
            table->setItem(r, 2, rightAligned(locale.toString(first, 'f', 2)));
            table->setItem(r, 3, rightAligned(locale.toString(static_cast<qulonglong>(row.house))));
            table->setItem(r, 4, rightAligned(locale.toString(second, 'f', 2)));
            // Rounded as shown, so that a change too small to show carries no sign.
            const double points = std::round((second - first) * 100.0) / 100.0 + 0.0;
            table->setItem(r, 5,
                           rightAligned((points > 0 ? QStringLiteral("+") : QString()) +
                                        locale.toString(points, 'f', 2)));
            if (static_cast<std::size_t>(r) < kMostComparedBars) {
                categories << QString::fromStdString(row.text);
                rulesShares.push_back(second);
                builtInShares.push_back(first);
            }
        }
        table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
        // Six columns share the width: the values keep theirs, the last column takes the rest.
        table->resizeColumnsToContents();
        table->horizontalHeader()->setStretchLastSection(true);

        QWidget* chart = nullptr;
        const OfferTerm* term = isCount ? nullptr : &kOddsTerms[t - 1];
        if (m_chartMaker) {
            if (!isCount) {
                // Horizontal bars are drawn from the bottom up: the most common goes last.
                std::reverse(categories.begin(), categories.end());
                std::reverse(rulesShares.begin(), rulesShares.end());
                std::reverse(builtInShares.begin(), builtInShares.end());
            }
            const QString title =
                isCount ? tr("Offers per roll")
                        : QString::fromUtf8(term->name.data(),
                                            static_cast<qsizetype>(term->name.size()));
            chart =
                m_chartMaker->compareView(title, categories, rulesShares, builtInShares,
                                          {rulesName, tr("built-in tables")}, !isCount, palette());
        }
        addTab(isCount ? tr("Offers") : tr(std::string(term->tab).c_str()), chart, table);
    }
    m_tabs->setCurrentIndex(std::max(0, current));
    m_exportCsv->setEnabled(true);
    m_exportChart->setEnabled(m_chartMaker != nullptr);
}
