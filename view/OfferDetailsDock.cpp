#include "view/OfferDetailsDock.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <algorithm>

#include "document/ContractDocument.h"
#include "listing/ListingPlan.h"
#include "view/OfferDetails.h"
#include "view/ProgramMessage.h"

namespace {

// Columns fit their texts up to this many average characters; a longer text wraps.
constexpr int kWidestColumnChars = 28;

// The width of the longest word of `text`.
int longestWordWidth(const QString& text, const QFontMetrics& metrics) {
    int longest = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        longest = std::max(longest, metrics.horizontalAdvance(word));
    }
    return longest;
}

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
    m_table->setAccessibleName(tr("Offer Details"));
    // Tab moves on to the listing instead of walking every cell: the arrows walk the cells.
    m_table->setTabKeyNavigation(false);
    // The edits are the listing's, asked for by the keys and the double-click below.
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(true);
    // Narrowed columns wrap their names too ("Second / Contract").
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter |
                                                     Qt::Alignment::fromInt(Qt::TextWordWrap));
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &OfferDetailsDock::onDoubleClick);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);

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

    // The keyboard's place survives an edit made from it.
    const int currentRow = m_table->currentRow();
    const int currentColumn = m_table->currentColumn();
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
    if (currentRow < m_table->rowCount() && currentColumn < m_table->columnCount()) {
        m_table->setCurrentCell(currentRow, currentColumn);
    }
    m_table->resizeColumnsToContents();
    const int widest = kWidestColumnChars * m_table->fontMetrics().averageCharWidth();
    // A wrapped text is drawn inside a further margin on each side.
    const int wrapMargins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 1);
    m_naturalWidths.clear();
    m_leastWidths.clear();
    for (int c = 0; c < m_table->columnCount(); ++c) {
        // A column fitted to its texts is their widest line and the room the cells keep beside
        // their text; its longest word needs that room too.
        int widestLine = 0;
        int longestWord = 0;
        for (int r = 0; r < m_table->rowCount(); ++r) {
            if (const QTableWidgetItem* item = m_table->item(r, c)) {
                QFont font = m_table->font();  // the desktop's font for lists and tables
                font.setBold(item->font().bold());
                const QFontMetrics metrics(font);
                widestLine = std::max(widestLine, metrics.horizontalAdvance(item->text()));
                longestWord = std::max(longestWord, longestWordWidth(item->text(), metrics));
            }
        }
        if (const QTableWidgetItem* header = m_table->horizontalHeaderItem(c)) {
            longestWord = std::max(
                longestWord,
                longestWordWidth(header->text(), m_table->horizontalHeader()->fontMetrics()));
        }
        const int fitted = m_table->columnWidth(c);
        m_naturalWidths.push_back(std::min(fitted, widest));
        m_leastWidths.push_back(longestWord + std::max(0, fitted - widestLine) + wrapMargins);
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
    // The widest columns give way first, down to a common cap, until the columns fit; none
    // becomes narrower than its longest word, which would cut the word.
    const auto widthAt = [this](std::size_t c, int cap) {
        return std::min(m_naturalWidths[c], std::max(m_leastWidths[c], cap));
    };
    const auto total = [&](int cap) {
        int sum = 0;
        for (std::size_t c = 0; c < m_naturalWidths.size(); ++c) {
            sum += widthAt(c, cap);
        }
        return sum;
    };
    int cap = 0;
    for (const int width : m_naturalWidths) {
        cap = std::max(cap, width);
    }
    while (cap > 0 && total(cap) > room) {
        --cap;
    }
    QHeaderView* names = m_table->horizontalHeader();
    bool namesWrap = false;
    for (std::size_t c = 0; c < m_naturalWidths.size(); ++c) {
        const int column = static_cast<int>(c);
        m_table->setColumnWidth(column, widthAt(c, cap));
        namesWrap = namesWrap || names->sectionSizeHint(column) > names->sectionSize(column);
    }
    // A name wrapped onto two lines needs a header two lines tall.
    names->setMinimumHeight(
        namesWrap ? names->sizeHint().height() + names->fontMetrics().lineSpacing() : 0);
}

int OfferDetailsDock::lineOfCell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(m_rowFields.size())) {
        return 0;
    }
    const auto field = m_rowFields[static_cast<std::size_t>(row)];
    return field != nullptr ? ListingPlan(m_doc).lineOf(column, field) : 0;
}

void OfferDetailsDock::onDoubleClick(int row, int column) {
    if (const int line = lineOfCell(row, column)) {
        emit editRequested(line);
    }
}

QPoint OfferDetailsDock::belowCurrentCell() const {
    const QRect cell = m_table->visualItemRect(m_table->currentItem());
    return m_table->viewport()->mapToGlobal(cell.bottomLeft() + QPoint(0, 1));
}

bool OfferDetailsDock::openCurrentCellMenu() {
    const int line = lineOfCell(m_table->currentRow(), m_table->currentColumn());
    if (line == 0) {
        return false;
    }
    m_table->scrollToItem(m_table->currentItem());
    emit lineMenuRequested(line, belowCurrentCell());
    return true;
}

bool OfferDetailsDock::showCurrentCellHelp() {
    const QTableWidgetItem* cell = m_table->currentItem();
    if (cell == nullptr || cell->toolTip().isEmpty()) {
        return false;
    }
    m_table->scrollToItem(cell);
    QWhatsThis::showText(belowCurrentCell(), cell->toolTip(), m_table);
    return true;
}

bool OfferDetailsDock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table) {
        switch (event->type()) {
            case QEvent::Resize:
                fitColumns();
                break;
            case QEvent::FontChange:
            case QEvent::StyleChange:
                // The desktop's font for tables arrives once the table is shown: measure again.
                refresh();
                break;
            default:
                break;
        }
    }
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool edit = modifiers == Qt::NoModifier &&
                          (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                           key->key() == Qt::Key_F2);
        if (edit) {
            onDoubleClick(m_table->currentRow(), m_table->currentColumn());
            return true;
        }
        if (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
            openCurrentCellMenu();
            return true;
        }
    }
    if (event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        if (menu->reason() != QContextMenuEvent::Mouse) {
            return openCurrentCellMenu();
        }
        if (watched == m_table->viewport()) {
            const QModelIndex cell = m_table->indexAt(menu->pos());
            if (const int line = lineOfCell(cell.row(), cell.column())) {
                m_table->setCurrentIndex(cell);
                emit lineMenuRequested(line, menu->globalPos());
                return true;
            }
        }
    }
    return QDockWidget::eventFilter(watched, event);
}
