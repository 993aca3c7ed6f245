#pragma once

#include <QAbstractScrollArea>

#include "view/PrintJob.h"

class ContractDocument;
class DocumentSession;
class QMenu;
class UiPrompts;

// The one view of the document: the scrolling offer listing with its current line, and the
// command target of the generation, options, print, line-edit and roll-again commands. Its
// changes go to the session, which holds the history; it owns only its screen metrics.
class ListingView : public QAbstractScrollArea {
    Q_OBJECT
public:
    ListingView(DocumentSession& session, UiPrompts& prompts, QWidget* parent = nullptr);
    ~ListingView() override;

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
    // The print dialog, then the offers side by side on one page (view/OfferDetailsPrinter.h).
    void printOfferDetails();
    void editCurrentLine();
    // Makes `line` current and edits it, as a double-click on it does.
    void editLine(int line);
    void rollCurrentTermAgain();
    bool canRollCurrentTerm() const;
    // The listing as --roll prints it, onto the clipboard.
    void copyListing();

    // The current line, drawn highlighted: 0 for none, else 1..the listing's last line. A line
    // set earlier that the listing no longer has counts as none.
    int currentLine() const;
    // Makes `line` current (0: none) and scrolls it into view.
    void setCurrentLine(int line);
    // The menu of a line with a value: Edit... and Roll Term Again (for the ten rolled terms only)
    // where the line can be edited, and Copy Value; nullptr for a line without a value (headers,
    // sub-headings, blank lines). The caller owns the menu.
    QMenu* createLineMenu(int line, QWidget* parent);

    // The menu of `line` below it, at the value column, as the keyboard opens it.
    void openLineMenu(int line);
    // The menu of `line` at `globalPos` (global coordinates): the details' cells open it too.
    void showLineMenu(int line, const QPoint& globalPos);
    // How the current line was rolled, in a popup at the line, as the mouse's tip says it; false
    // when no line is current.
    bool showCurrentLineHelp();

    // The listing line under a viewport y coordinate, with the current scroll position.
    int lineAtViewportY(int y) const;
    // The band `line` fills, in viewport coordinates, with the current scroll position.
    QRect lineRect(int line) const;

    int lineHeight() const { return m_lineHeight; }
    int charWidth() const { return m_charWidth; }

signals:
    // The Options were confirmed: the base pay may have changed.
    void optionsChanged();
    // The current line moved, or the document under it changed.
    void currentLineChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void measureFont();
    void scrollToTop();
    void updateScrollBars();
    void redraw();
    bool isEditable(int line) const;
    // The next editable line after (step 1) or before (step -1) the current one.
    int nextEditableLine(int step) const;
    void scrollToLine(int line);
    // Where the keyboard's menu and help of a line open: below it, at the value column (global).
    QPoint belowLineAtValue(int line) const;
    // The tip of an editable line: how it was rolled, then how to change it.
    QString lineTip(int line) const;
    // A print job that failed says so.
    void reportPrintOutcome(const PrintOutcome& outcome);
    // The menu of the current line, opened from the keyboard; false when it has none.
    bool openCurrentLineMenu();

    DocumentSession& m_session;
    ContractDocument& m_doc;
    UiPrompts& m_prompts;
    int m_lineHeight = 0;
    int m_charWidth = 0;
    int m_currentLine = 0;
};
