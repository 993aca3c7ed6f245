#include "charts/OddsBars.h"

#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "charts/OddsCharts.h"
#include "view/WrappedLines.h"

namespace {

// A text of pathological length (a typed choice may be any length) stops after this many lines
// with an ellipsis; its tooltip holds it whole.
constexpr int kMostLines = 6;
// The label column takes at most this share of the width; the bars need the rest.
constexpr double kLabelShare = 0.45;

QString percentText(double percent) {
    return QLocale().toString(percent, 'f', 2) + QStringLiteral(" %");
}

QFont titleFont(QFont font) {
    font.setBold(true);
    return font;
}

}  // namespace

OddsBars::OddsBars(const QString& title, std::vector<Bar> bars, QStringList runNames,
                   QWidget* parent)
    : QWidget(parent), m_title(title), m_bars(std::move(bars)), m_runNames(std::move(runNames)) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMouseTracking(true);
    setAccessibleName(title);
}

OddsBars::Layout OddsBars::layoutFor(int width) const {
    const QFontMetrics metrics(font());
    Layout layout;
    layout.margin = metrics.height() / 2 + 2;
    layout.titleHeight = QFontMetrics(titleFont(font())).height() + layout.margin;
    layout.legendHeight = m_runNames.size() > 1 ? metrics.lineSpacing() + layout.margin : 0;
    layout.barHeight = metrics.height() + metrics.height() / 3;
    int runs = 1;
    for (const Bar& bar : m_bars) {
        runs = std::max(runs, static_cast<int>(bar.shares.size()));
    }
    const int inner = std::max(1, width - 2 * layout.margin);
    int widest = 0;
    for (const Bar& bar : m_bars) {
        widest = std::max(widest, metrics.horizontalAdvance(bar.text));
    }
    const int gap = metrics.averageCharWidth();
    layout.labelWidth =
        std::max(1, std::min(widest, static_cast<int>(static_cast<double>(inner) * kLabelShare)));
    layout.barLeft = layout.margin + layout.labelWidth + gap;
    layout.barSpace = std::max(1, width - layout.barLeft - layout.margin - gap -
                                      metrics.horizontalAdvance(percentText(100.0)));
    int top = layout.margin + layout.titleHeight + layout.legendHeight;
    const int rowPadding = metrics.height() / 3;
    for (const Bar& bar : m_bars) {
        Row row;
        row.lines = wrappedLines(bar.text, font(), layout.labelWidth, kMostLines);
        row.top = top;
        row.height = std::max(static_cast<int>(row.lines.size()) * metrics.lineSpacing(),
                              runs * layout.barHeight) +
                     2 * rowPadding;
        top += row.height;
        layout.rows.push_back(std::move(row));
    }
    layout.height = top + layout.margin;
    return layout;
}

int OddsBars::heightForWidth(int width) const {
    return layoutFor(width).height;
}

QSize OddsBars::sizeHint() const {
    const int width = std::max(480, fontMetrics().averageCharWidth() * 80);
    return {width, heightForWidth(width)};
}

QSize OddsBars::minimumSizeHint() const {
    const int width = fontMetrics().averageCharWidth() * 40;
    return {width, 0};
}

int OddsBars::barAt(QPoint point) const {
    const Layout layout = layoutFor(width());
    for (std::size_t i = 0; i < layout.rows.size(); ++i) {
        const Row& row = layout.rows[i];
        if (point.y() >= row.top && point.y() < row.top + row.height) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool OddsBars::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = barAt(help->pos());
        if (index < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(), tipFor(m_bars[static_cast<std::size_t>(index)]),
                           this);
        return true;
    }
    return QWidget::event(event);
}

QString OddsBars::tipFor(const Bar& bar) const {
    QString tip = bar.text;
    for (std::size_t r = 0; r < bar.shares.size(); ++r) {
        const Share& share = bar.shares[r];
        const QString counted = tr("%1 offers, %2")
                                    .arg(QLocale().toString(static_cast<qulonglong>(share.count)),
                                         percentText(share.percent));
        const auto name = static_cast<qsizetype>(r);
        tip += QLatin1Char('\n') +
               (name < m_runNames.size() ? m_runNames[name] + QStringLiteral(": ") : QString()) +
               counted;
    }
    if (bar.shares.size() == 2) {
        // Rounded as shown, so that a change too small to show carries no sign.
        const double points =
            std::round((bar.shares[1].percent - bar.shares[0].percent) * 100.0) / 100.0 + 0.0;
        tip += QLatin1Char('\n') + tr("Difference: %1%2 percentage points")
                                       .arg(points > 0 ? QStringLiteral("+") : QString(),
                                            QLocale().toString(points, 'f', 2));
    }
    return tip;
}

void OddsBars::paintLegend(QPainter& painter, const Layout& layout) const {
    const QFontMetrics metrics(font());
    const int box = metrics.ascent();
    int total = 0;
    for (const QString& name : m_runNames) {
        total += box + metrics.averageCharWidth() + metrics.horizontalAdvance(name) +
                 2 * metrics.averageCharWidth();
    }
    int x = std::max(layout.margin, (width() - total) / 2);
    const int y = layout.margin + layout.titleHeight;
    for (qsizetype r = 0; r < m_runNames.size(); ++r) {
        const QColor fill = oddsRunColour(palette(), static_cast<int>(r));
        painter.setPen(fill.darker(130));
        painter.setBrush(fill);
        painter.drawRect(x, y + (metrics.lineSpacing() - box) / 2, box, box);
        x += box + metrics.averageCharWidth();
        painter.setPen(palette().color(QPalette::Text));
        const int nameWidth = metrics.horizontalAdvance(m_runNames[r]);
        painter.drawText(QRect(x, y, nameWidth, metrics.lineSpacing()), Qt::AlignVCenter,
                         m_runNames[r]);
        x += nameWidth + 2 * metrics.averageCharWidth();
    }
}

void OddsBars::paintEvent(QPaintEvent* /*event*/) {
    const Layout layout = layoutFor(width());
    const QFontMetrics metrics(font());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(titleFont(font()));
    painter.drawText(
        QRect(layout.margin, layout.margin, width() - 2 * layout.margin, layout.titleHeight),
        Qt::AlignHCenter | Qt::AlignTop, m_title);
    painter.setFont(font());
    if (m_runNames.size() > 1) {
        paintLegend(painter, layout);
    }

    double highest = 0;
    for (const Bar& bar : m_bars) {
        for (const Share& share : bar.shares) {
            highest = std::max(highest, share.percent);
        }
    }
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const Bar& bar = m_bars[i];
        const Row& row = layout.rows[i];
        painter.setPen(palette().color(QPalette::Text));
        const int textHeight = static_cast<int>(row.lines.size()) * metrics.lineSpacing();
        int y = row.top + (row.height - textHeight) / 2;
        for (const QString& line : row.lines) {
            painter.drawText(QRect(layout.margin, y, layout.labelWidth, metrics.lineSpacing()),
                             Qt::AlignRight | Qt::AlignVCenter, line);
            y += metrics.lineSpacing();
        }
        const int runs = static_cast<int>(bar.shares.size());
        int barTop = row.top + (row.height - runs * layout.barHeight) / 2;
        for (int r = 0; r < runs; ++r) {
            const double percent = bar.shares[static_cast<std::size_t>(r)].percent;
            const int length =
                highest > 0 ? static_cast<int>(percent / highest * layout.barSpace) : 0;
            // Bars of one value touch; a thin gap keeps a bar of one run from its neighbour's.
            const QRect shape(layout.barLeft, barTop + 1, std::max(1, length),
                              layout.barHeight - 2);
            const QColor fill = oddsRunColour(palette(), r);
            painter.setPen(fill.darker(130));
            painter.setBrush(fill);
            painter.drawRect(shape);
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(QRect(shape.right() + metrics.averageCharWidth(), barTop,
                                   width() - shape.right(), layout.barHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, percentText(percent));
            barTop += layout.barHeight;
        }
    }
    if (m_bars.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No offers were rolled."));
    }
}
