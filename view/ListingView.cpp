#include "view/ListingView.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>

#include "document/ContractDocument.h"
#include "listing/EditableLines.h"
#include "listing/ListingPlan.h"
#include "view/Commands.h"
#include "view/DrawListing.h"
#include "view/ListingPrinter.h"
#include "view/UiPrompts.h"

ListingView::ListingView(ContractDocument& doc, UiPrompts& prompts, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_prompts(prompts) {
    setObjectName(QStringLiteral("listing"));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(
        tr("<b>Offer listing</b><p>The unit's rating, the number of offers and the terms of "
           "each offer. Double-click a value to change it; the rating and every term, date "
           "and location of an offer can be edited.</p>"));
    showFromTop();
}

void ListingView::showFromTop() {
    measureFont();
    // A new or opened document is read from its first line.
    scrollToTop();
    redraw();
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
    painter.setPen(palette().color(QPalette::Text));
    const int hscroll = horizontalScrollBar()->value();
    const int vscroll = verticalScrollBar()->value();
    drawListing(painter, m_doc, 0 - hscroll, listing::kValueColumnChars * m_charWidth - hscroll,
                m_lineHeight, -vscroll, viewport()->width());
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
    // Arrows and page keys are the scroll area's; Home and End, alone or with Ctrl, go to the
    // listing's first and last lines.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
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

void ListingView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    runLineEdit(m_doc, m_prompts, lineAtViewportY(static_cast<int>(event->position().y())));
    redraw();
    emit documentChanged();
}

void ListingView::newCustom() {
    // New offers are read from the top: a shorter set would leave a scrolled view blank.
    if (runNewCustom(m_doc, m_prompts)) {
        scrollToTop();
    }
    redraw();
    emit documentChanged();
}

void ListingView::newRandom() {
    if (runNewRandom(m_doc, m_prompts)) {
        scrollToTop();
    }
    redraw();
    emit documentChanged();
}

void ListingView::editOptions() {
    runOptions(m_doc.settings(), m_prompts);
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
    const PrintOutcome outcome = printListingOn(printer, m_doc);
    if (!outcome.printerOk) {
        m_prompts.warn(tr("Could not start print job."));
    } else if (!outcome.fileProblem.isEmpty()) {
        m_prompts.warn(outcome.fileProblem);
    }
}

PrintOutcome ListingView::printListingOn(QPrinter& printer, const ContractDocument& doc) {
    // The listing is drawn from the top-left of the printable area, so the page's margins are
    // the printer's own.
    printer.setFullPage(false);
    return runPrintJob(printer, QString::fromStdString(doc.pathName()),
                       [&doc](QPainter& painter, QPagedPaintDevice& device) {
                           printListingPage(painter, device, doc);
                       });
}
