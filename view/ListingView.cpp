#include "view/ListingView.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QWhatsThis>
#include <algorithm>
#include <memory>

#include "document/ContractDocument.h"
#include "listing/EditableLines.h"
#include "listing/ListingPlan.h"
#include "listing/RollExplanation.h"
#include "session/DocumentSession.h"
#include "view/Commands.h"
#include "view/DrawListing.h"
#include "view/ListingAccessibility.h"
#include "view/ListingPrinter.h"
#include "view/OfferDetailsPrinter.h"
#include "view/ProgramMessage.h"
#include "view/UiPrompts.h"

namespace {

const char* const kEditableLineTip =
    QT_TRANSLATE_NOOP("ListingView", "Double-click to change; right-click for more");

QString utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ListingView::ListingView(DocumentSession& session, UiPrompts& prompts, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_session(session),
      m_doc(session.document()),
      m_prompts(prompts) {
    installWindowAccessibility();
    setObjectName(QStringLiteral("listing"));
    setAccessibleName(tr("Offer listing"));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    // The cursor shows which lines can be edited.
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(
        tr("<b>Offer listing</b><p>The unit's rating, the number of offers and the terms of "
           "each offer. Double-click a value to change it; the rating and every term, date "
           "and location of an offer can be edited. Right-click a term to roll it again. A "
           "click makes a line current: Up and Down move it, Enter changes it.</p>"));
    // Every change, the view's own commands, undo and redo and an opened file alike.
    connect(&m_session, &DocumentSession::changed, this, [this] {
        redraw();
        announceListingChange(*this);
        emit currentLineChanged();
    });
    showFromTop();
}

ListingView::~ListingView() = default;

void ListingView::showFromTop() {
    measureFont();
    // A new or opened document is read from its first line.
    m_currentLine = 0;
    scrollToTop();
    redraw();
    emit currentLineChanged();
}

void ListingView::measureFont() {
    // The widget's own font, not a print font: this is what the window shows.
    const QFontMetrics metrics(font());
    m_lineHeight = metrics.lineSpacing();
    m_charWidth = metrics.averageCharWidth();
    updateScrollBars();
}

void ListingView::scrollToTop() {
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void ListingView::updateScrollBars() {
    const QSize extent(listing::kExtentChars * m_charWidth, listing::kExtentLines * m_lineHeight);
    const QSize page = viewport()->size();
    struct Axis {
        QScrollBar* bar;
        int extent;
        int page;
    };
    for (const Axis& axis : {Axis{horizontalScrollBar(), extent.width(), page.width()},
                             Axis{verticalScrollBar(), extent.height(), page.height()}}) {
        // A page step is a tenth of the extent and a line step a tenth of a page step.
        const int pageStep = std::max(1, axis.extent / 10);
        axis.bar->setRange(0, std::max(0, axis.extent - axis.page));
        axis.bar->setPageStep(pageStep);
        axis.bar->setSingleStep(std::max(1, pageStep / 10));
    }
}

void ListingView::redraw() {
    viewport()->update();
}

void ListingView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    const int hscroll = horizontalScrollBar()->value();
    const int vscroll = verticalScrollBar()->value();
    const auto draw = [&](QPalette::ColorRole role) {
        painter.setPen(palette().color(role));
        drawListing(painter, m_doc, 0 - hscroll, listing::kValueColumnChars * m_charWidth - hscroll,
                    m_lineHeight, -vscroll, viewport()->width());
    };
    const int current = currentLine();
    if (current == 0) {
        draw(QPalette::Text);
        return;
    }
    // The current line's band in the highlight colours; each text is drawn once, in the colour
    // of the part it falls in, so no other colour shows at the edges of its letters.
    const QRect band = lineRect(current);
    painter.fillRect(band, palette().color(QPalette::Highlight));
    painter.setClipRegion(QRegion(viewport()->rect()).subtracted(band));
    draw(QPalette::Text);
    painter.setClipRect(band);
    draw(QPalette::HighlightedText);
}

void ListingView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ListingView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureFont();
        redraw();
    }
}

void ListingView::keyPressEvent(QKeyEvent* event) {
    // Up and Down move the current line over the editable lines, Enter edits it, Shift+F10 opens
    // its menu (the Menu key arrives as a context menu event). Left, Right and the page keys are
    // the scroll area's; Home and End, alone or with Ctrl, go to the listing's first and last
    // lines.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
                if (const int line = nextEditableLine(event->key() == Qt::Key_Down ? 1 : -1)) {
                    setCurrentLine(line);
                }
                event->accept();
                return;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                editCurrentLine();
                event->accept();
                return;
            default:
                break;
        }
    }
    if (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        openCurrentLineMenu();
        event->accept();
        return;
    }
    const bool homeOrEnd = event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    if (homeOrEnd && (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)) {
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(event->key() == Qt::Key_Home ? bar->minimum() : bar->maximum());
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

int ListingView::lineAtViewportY(int y) const {
    return lineAtY(y, verticalScrollBar()->value(), m_lineHeight);
}

QPoint ListingView::belowLineAtValue(int line) const {
    return viewport()->mapToGlobal(
        QPoint(listing::kValueColumnChars * m_charWidth - horizontalScrollBar()->value(),
               (line + 1) * m_lineHeight - verticalScrollBar()->value()));
}

QRect ListingView::lineRect(int line) const {
    return {0, line * m_lineHeight - verticalScrollBar()->value(), viewport()->width(),
            m_lineHeight};
}

void ListingView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    // The press before it has made the line current.
    runLineEdit(m_session, m_prompts, lineAtViewportY(static_cast<int>(event->position().y())));
}

void ListingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        const int line = lineAtViewportY(static_cast<int>(event->position().y()));
        // A click below the last line keeps the current one.
        if (ListingPlan(m_doc).find(line) != nullptr) {
            setCurrentLine(line);
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void ListingView::mouseMoveEvent(QMouseEvent* event) {
    const int line = lineAtViewportY(static_cast<int>(event->position().y()));
    viewport()->setCursor(isEditable(line) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QAbstractScrollArea::mouseMoveEvent(event);
}

bool ListingView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int line = lineAtViewportY(help->pos().y());
        if (isEditable(line)) {
            QToolTip::showText(help->globalPos(), plainToolTip(lineTip(line)), viewport());
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void ListingView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse) {
        event->setAccepted(openCurrentLineMenu());
        return;
    }
    const int line = lineAtViewportY(event->pos().y());
    std::unique_ptr<QMenu> menu(createLineMenu(line, this));
    if (!menu) {
        event->ignore();
        return;
    }
    event->accept();
    // The count only offers Copy Value; the current line stays one that can be edited.
    if (isEditable(line)) {
        setCurrentLine(line);
    }
    menu->exec(event->globalPos());
}

QString ListingView::lineTip(int line) const {
    // A rolled term says first how it was rolled.
    QString tip = tr(kEditableLineTip);
    const ListingPlan plan(m_doc);
    if (const std::optional<std::string> why = explainLine(m_doc, *plan.find(line))) {
        tip.prepend(QString::fromStdString(*why) + QLatin1Char('\n'));
    }
    return tip;
}

bool ListingView::openCurrentLineMenu() {
    const int line = currentLine();
    if (!isEditable(line)) {
        return false;
    }
    openLineMenu(line);
    return true;
}

void ListingView::openLineMenu(int line) {
    scrollToLine(line);
    showLineMenu(line, belowLineAtValue(line));
}

bool ListingView::showCurrentLineHelp() {
    const int line = currentLine();
    if (!isEditable(line)) {
        return false;
    }
    scrollToLine(line);
    QWhatsThis::showText(belowLineAtValue(line), plainToolTip(lineTip(line)), viewport());
    return true;
}

void ListingView::showLineMenu(int line, const QPoint& globalPos) {
    std::unique_ptr<QMenu> menu(createLineMenu(line, this));
    if (menu) {
        menu->exec(globalPos);
    }
}

QMenu* ListingView::createLineMenu(int line, QWidget* parent) {
    const ListingPlan lines(m_doc);
    const ListingLine* shown = lines.find(line);
    if (shown == nullptr || !shown->value) {
        return nullptr;
    }
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("lineMenu"));
    if (!shown->prompt.empty()) {
        menu->addAction(tr("&Edit..."), this,
                        [this, line] { runLineEdit(m_session, m_prompts, line); });
        QAction* roll = menu->addAction(tr("&Roll Term Again"), this,
                                        [this, line] { runRollTermAgain(m_session, line); });
        roll->setEnabled(canRollTermAgain(m_doc, line));
    }
    menu->addAction(tr("&Copy Value"), this, [this, line] {
        const ListingPlan plan(m_doc);
        const ListingLine* found = plan.find(line);
        if (found != nullptr && found->value) {
            QGuiApplication::clipboard()->setText(utf8Text(*found->value));
        }
    });
    return menu;
}

bool ListingView::isEditable(int line) const {
    const ListingPlan plan(m_doc);
    const ListingLine* found = plan.find(line);
    return found != nullptr && !found->prompt.empty();
}

int ListingView::nextEditableLine(int step) const {
    const ListingPlan plan(m_doc);
    const int current = currentLine();
    int line = current != 0 ? current : (step > 0 ? 0 : plan.lastLine() + 1);
    for (line += step; line >= 1 && line <= plan.lastLine(); line += step) {
        if (!plan.find(line)->prompt.empty()) {
            return line;
        }
    }
    return 0;
}

int ListingView::currentLine() const {
    return ListingPlan(m_doc).find(m_currentLine) != nullptr ? m_currentLine : 0;
}

void ListingView::setCurrentLine(int line) {
    m_currentLine = line;
    scrollToLine(line);
    redraw();
    announceCurrentLine(*this);
    emit currentLineChanged();
}

void ListingView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // The toolkit tells readers of the listing's focus after this: the current line follows it.
    QTimer::singleShot(0, this, [this] { announceCurrentLine(*this); });
}

void ListingView::scrollToLine(int line) {
    if (line <= 0) {
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const int top = line * m_lineHeight;
    const int page = viewport()->height();
    if (top < bar->value()) {
        bar->setValue(top);
    } else if (top + m_lineHeight > bar->value() + page) {
        bar->setValue(top + m_lineHeight - page);
    }
}

void ListingView::editCurrentLine() {
    if (const int line = currentLine()) {
        editLine(line);
    }
}

void ListingView::editLine(int line) {
    if (ListingPlan(m_doc).find(line) != nullptr) {
        setCurrentLine(line);
    }
    runLineEdit(m_session, m_prompts, line);
}

bool ListingView::canRollCurrentTerm() const {
    return canRollTermAgain(m_doc, currentLine());
}

void ListingView::rollCurrentTermAgain() {
    runRollTermAgain(m_session, currentLine());
}

void ListingView::copyListing() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(renderListingText(m_doc)));
}

void ListingView::newCustom() {
    // New offers are read from the top: a shorter set would leave a scrolled view blank.
    if (runNewCustom(m_session, m_prompts)) {
        m_currentLine = 0;
        scrollToTop();
        redraw();
        emit currentLineChanged();
    }
}

void ListingView::newRandom() {
    if (runNewRandom(m_session, m_prompts)) {
        m_currentLine = 0;
        scrollToTop();
        redraw();
        emit currentLineChanged();
    }
}

void ListingView::editOptions() {
    if (const std::optional<std::string> rules = runOptions(m_doc.settings(), m_prompts)) {
        // A refused file leaves the rules in use and the setting as they were.
        if (const QString problem = m_session.chooseRules(*rules); !problem.isEmpty()) {
            m_prompts.warn(problem);
        }
    }
    emit optionsChanged();
}

void ListingView::printContracts() {
    runPrintContract(m_doc, m_prompts);
}

void ListingView::printListing() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(m_doc.title()));
    if (!m_prompts.choosePrinterForListing(printer)) {
        return;
    }
    reportPrintOutcome(printListingOn(printer, m_doc));
}

void ListingView::printOfferDetails() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(m_doc.title()));
    // The details fill one page, as the listing does.
    if (!m_prompts.choosePrinterForListing(printer)) {
        return;
    }
    reportPrintOutcome(printOfferDetailsOn(printer, m_doc, QDate::currentDate()));
}

void ListingView::reportPrintOutcome(const PrintOutcome& outcome) {
    if (const QString problem = printProblem(outcome); !problem.isEmpty()) {
        m_prompts.warn(problem);
    }
}
