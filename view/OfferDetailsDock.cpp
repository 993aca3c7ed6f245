#include "view/OfferDetailsDock.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "document/ContractDocument.h"
#include "listing/ListingPlan.h"
#include "view/OfferDetails.h"
#include "view/ProgramMessage.h"

namespace {

// Columns fit their texts up to this many average characters; a longer text wraps.
constexpr int kWidestColumnChars = 28;
// Where the dock is narrower than its columns, none narrows below this many characters.
constexpr int kNarrowestColumnChars = 9;

}  // namespace

OfferDetailsDock::OfferDetailsDock(const ContractDocument& doc, QWidget* parent)
    : QDockWidget(tr("Offer Details"), parent),
      m_doc(doc),
      m_summary(new QLabel),
      m_table(new QTableWidget) {
    setObjectName(QStringLiteral("offerDetails"));
    // Shown and hidden from the View menu only, which remembers the choice.
    setFeatures(QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setWhatsThis(
        tr("<b>Offer Details</b><p>The offers side by side: every term, then what each offer "
           "pays a month, for how many months and over its whole length, with the best total "
           "marked. Point at a term to see the dice and modifiers behind it; double-click it to "
           "change it.</p>"));

    m_table->setObjectName(QStringLiteral("offerDetailsTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &OfferDetailsDock::onDoubleClick);
    m_table->installEventFilter(this);

    m_summary->setObjectName(QStringLiteral("offerDetailsSummary"));
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);
    setWidget(body);
    refresh();
}

void OfferDetailsDock::refresh() {
    const OfferDetails details = buildOfferDetails(m_doc);
    m_summary->setText(details.summary);
    m_summary->setToolTip(plainToolTip(details.summaryTip));

    m_table->clear();
    m_rowFields.clear();
    m_table->setColumnCount(static_cast<int>(details.offers.size()));
    m_table->setRowCount(static_cast<int>(details.rows.size()));
    m_table->setHorizontalHeaderLabels(details.offers);
    QFont bold = m_table->font();
    bold.setBold(true);
    for (std::size_t r = 0; r < details.rows.size(); ++r) {
        const OfferDetailsRow& row = details.rows[r];
        m_rowFields.push_back(row.field);
        auto* header = new QTableWidgetItem(row.label);
        header->setToolTip(plainToolTip(row.tip));
        m_table->setVerticalHeaderItem(static_cast<int>(r), header);
        for (std::size_t k = 0; k < row.cells.size(); ++k) {
            const OfferDetailsCell& cell = row.cells[k];
            auto* item = new QTableWidgetItem(cell.text);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (const QString& tip = cell.tip.isEmpty() ? row.tip : cell.tip; !tip.isEmpty()) {
                item->setToolTip(plainToolTip(tip));
            }
            if (row.field == nullptr) {
                item->setBackground(palette().alternateBase());
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (cell.best) {
                item->setFont(bold);
            }
            m_table->setItem(static_cast<int>(r), static_cast<int>(k), item);
        }
    }
    m_table->resizeColumnsToContents();
    const int widest = kWidestColumnChars * m_table->fontMetrics().averageCharWidth();
    m_naturalWidths.clear();
    for (int c = 0; c < m_table->columnCount(); ++c) {
        m_naturalWidths.push_back(std::min(m_table->columnWidth(c), widest));
    }
    fitColumns();
}

int OfferDetailsDock::widthBesideColumns() const {
    // The vertical scroll bar's room is kept whether it shows or not, so that its coming and
    // going never changes the columns.
    return m_table->verticalHeader()->sizeHint().width() + 2 * m_table->frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int OfferDetailsDock::preferredWidth() const {
    int columns = 0;
    for (const int width : m_naturalWidths) {
        columns += width;
    }
    const QMargins margins = widget()->layout()->contentsMargins();
    const int preferred = widthBesideColumns() + columns + margins.left() + margins.right() +
                          2 * style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth);
    return std::max(preferred, minimumSizeHint().width());
}

void OfferDetailsDock::fitColumns() {
    const int room = m_table->width() - widthBesideColumns();
    const int narrowest = kNarrowestColumnChars * m_table->fontMetrics().averageCharWidth();
    // The widest columns give way first, down to a common cap, until the columns fit.
    int cap = 0;
    for (const int width : m_naturalWidths) {
        cap = std::max(cap, width);
    }
    const auto total = [this](int limit) {
        int sum = 0;
        for (const int width : m_naturalWidths) {
            sum += std::min(width, limit);
        }
        return sum;
    };
    while (cap > narrowest && total(cap) > room) {
        --cap;
    }
    for (std::size_t c = 0; c < m_naturalWidths.size(); ++c) {
        m_table->setColumnWidth(static_cast<int>(c), std::min(m_naturalWidths[c], cap));
    }
}

bool OfferDetailsDock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::Resize) {
        fitColumns();
    }
    return QDockWidget::eventFilter(watched, event);
}

void OfferDetailsDock::onDoubleClick(int row, int column) {
    if (row < 0 || row >= static_cast<int>(m_rowFields.size())) {
        return;
    }
    const auto field = m_rowFields[static_cast<std::size_t>(row)];
    if (field == nullptr) {
        return;
    }
    if (const int line = ListingPlan(m_doc).lineOf(column, field)) {
        emit editRequested(line);
    }
}
