#pragma once

#include <QAbstractScrollArea>

#include "view/PrintJob.h"

class ContractDocument;
class QPrinter;
class UiPrompts;

// The one view of the document: the scrolling offer listing, and the command target of the
// generation, options, print and line-edit commands. It owns nothing but its screen metrics; the
// texts all belong to the document.
class ListingView : public QAbstractScrollArea {
    Q_OBJECT
public:
    ListingView(ContractDocument& doc, UiPrompts& prompts, QWidget* parent = nullptr);

    ContractDocument& document() const { return m_doc; }

    // Run whenever the view is bound to a new or opened document: measures the default font,
    // sets the scroll extent (70 average characters by 71 lines, whatever the offer count) and
    // scrolls to the top.
    void showFromTop();

    // ---- commands ----
    void newCustom();
    void newRandom();
    void editOptions();
    void printContracts();
    void printListing();  // the print dialog, then the one-page listing

    // Prints the listing on `printer` without a dialog (see runPrintJob: a PDF file that is the
    // document itself is refused, and any other is replaced only once complete).
    static PrintOutcome printListingOn(QPrinter& printer, const ContractDocument& doc);

    // The listing line under a viewport y coordinate, with the current scroll position.
    int lineAtViewportY(int y) const;

    int lineHeight() const { return m_lineHeight; }
    int charWidth() const { return m_charWidth; }

signals:
    // A command changed the document (its title may have changed with it).
    void documentChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void measureFont();
    void scrollToTop();
    void updateScrollBars();
    void redraw();

    ContractDocument& m_doc;
    UiPrompts& m_prompts;
    int m_lineHeight = 0;
    int m_charWidth = 0;
};
