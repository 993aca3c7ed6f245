#pragma once

#include <QDockWidget>
#include <string>
#include <vector>

class ContractDocument;
struct ContractOffer;
class QLabel;
class QTableWidget;

// View > Offer Details: the offers side by side beside the listing (view/OfferDetails.h), a
// column per offer. A term's tip says how it was rolled; double-clicking it asks to edit that
// field, which the listing does with its own command. Call refresh() after every change.
class OfferDetailsDock : public QDockWidget {
    Q_OBJECT
public:
    explicit OfferDetailsDock(const ContractDocument& doc, QWidget* parent = nullptr);

    // Shows the document as it is now.
    void refresh();

    // The width that shows every column at its natural width (a long text wraps at
    // kWidestColumnChars characters); a narrower dock narrows the widest columns first, down to
    // their longest words.
    int preferredWidth() const;

    // How the current cell's term was rolled, in a popup at the cell, as its tip says it; false
    // when the current cell has no tip.
    bool showCurrentCellHelp();

    QTableWidget* table() const { return m_table; }
    QLabel* summary() const { return m_summary; }

signals:
    // A term's cell was double-clicked: `line` is the listing line that shows it.
    void editRequested(int line);
    // A term's cell asked for its menu (right-click, the Menu key or Shift+F10): the listing's
    // menu of `line`, at `globalPos`.
    void lineMenuRequested(int line, const QPoint& globalPos);

protected:
    // The table's size and font (the columns are fitted again); its keys: Enter and F2 edit the
    // current term, Shift+F10 opens its menu; and its context menus, from the mouse or the
    // keyboard.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onDoubleClick(int row, int column);
    // The listing line of the term in a cell, or 0 (the money rows, no cell).
    int lineOfCell(int row, int column) const;
    // Below the current cell, where the keyboard's menu and help open (global).
    QPoint belowCurrentCell() const;
    bool openCurrentCellMenu();
    // Narrows the columns to the table's width, wrapping their texts, rather than scroll.
    void fitColumns();
    // Everything the table's width holds beside its columns.
    int widthBesideColumns() const;

    const ContractDocument& m_doc;
    QLabel* m_summary;
    QTableWidget* m_table;
    std::vector<std::string ContractOffer::*> m_rowFields;  // the term of each row, or nullptr
    std::vector<int> m_naturalWidths;                       // of each column
    std::vector<int> m_leastWidths;                         // of each column: its longest word
};
