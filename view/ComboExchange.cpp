#include "view/ComboExchange.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>

QString toDialogText(const std::string& text) {
    return QString::fromStdString(text);
}

std::string fromDialogText(const QString& text) {
    return text.toStdString();
}

int findComboEntry(const QStringList& entries, const QString& text) {
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].startsWith(text, Qt::CaseInsensitive)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void loadComboText(QComboBox& combo, const QString& text) {
    QStringList entries;
    entries.reserve(combo.count());
    for (int i = 0; i < combo.count(); ++i) {
        entries << combo.itemText(i);
    }
    const int index = findComboEntry(entries, text);
    if (index >= 0) {
        combo.setCurrentIndex(index);
    } else {
        combo.setCurrentIndex(-1);
        combo.setEditText(text);
    }
    // A text wider than the field shows its beginning, not its end.
    if (combo.lineEdit() != nullptr) {
        combo.lineEdit()->setCursorPosition(0);
    }
}

QString readComboText(const QComboBox& combo) {
    return combo.currentText();
}

void setUpChoiceCombo(QComboBox& combo, std::span<const char* const> entries, bool sorted) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const char* entry : entries) {
        items << QString::fromUtf8(entry);
    }
    if (sorted) {
        std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    }
    combo.setEditable(true);
    combo.setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a typed "Kell" into "Kell Hounds" behind the user's back.
    combo.setCompleter(nullptr);
    combo.lineEdit()->setMaxLength(kUnlimitedTextLength);
    combo.addItems(items);
    combo.setCurrentIndex(-1);
    // The drop-down list may be wider than the field, so that every entry reads in full.
    QAbstractItemView* list = combo.view();
    const int scrollBar = combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setMinimumWidth(list->sizeHintForColumn(0) + scrollBar + 2 * list->frameWidth());
}
