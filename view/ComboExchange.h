#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string>

class QComboBox;

// Texts cross between the document (std::string, UTF-8) and the widgets (QString) only here.
QString toDialogText(const std::string& text);
// Edit fields take texts of any length: a long text loaded from a file must survive an OK
// unchanged instead of being cut at the widgets' default limit.
inline constexpr int kUnlimitedTextLength = 0x7FFFFFFF;
std::string fromDialogText(const QString& text);

// The combo boxes' exchange rule. On opening, the stored text selects the first entry that
// begins with it, compared without regard to case (an empty text therefore selects the first
// entry); when no entry begins with it, the text goes into the edit field unchanged. On OK the
// edit field is read back as it stands, so a typed text is never replaced by an entry.
//
// Index of the entry the stored text selects, or -1 when it goes into the edit field.
int findComboEntry(const QStringList& entries, const QString& text);
void loadComboText(QComboBox& combo, const QString& text);
QString readComboText(const QComboBox& combo);

// Makes `combo` a drop-down with an edit field that takes any typed text: no entry is added for
// it and nothing is completed while typing, so what the user typed is what OK reads. A sorted
// combo orders its entries without regard to case.
void setUpChoiceCombo(QComboBox& combo, std::span<const char* const> entries, bool sorted);
