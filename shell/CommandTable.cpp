#include "shell/CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>

#include "shell/MainWindow.h"
#include "shell/SvgIcon.h"
#include "view/ListingView.h"

namespace {

using Row = CommandRow;
using C = Command;

// clang-format off
constexpr std::array<Row, kCommandCount> kCommands = {{
    {C::NewDocument, 32790, QT_TRANSLATE_NOOP("CommandTable", "Ne&w"), "Ctrl+N", "", "", nullptr,
     &MainWindow::newDocument,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>New</b><p>Starts again with no offers and the rating D, as at start-up. When the "
     "offers have unsaved changes, asks first whether to save them.</p>")},
    {C::NewCustom, 57600, QT_TRANSLATE_NOOP("CommandTable", "&New Custom"), "Ctrl+C",
     QT_TRANSLATE_NOOP("CommandTable", "New Custom"), "new_custom",
     &ListingView::newCustom, nullptr,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>New Custom</b><p>Asks for the unit's rating and for the terms the first offer must "
     "have, then rolls a new set of offers. Edit, Undo brings back the offers it replaced.</p>")},
    {C::NewRandom, 32771, QT_TRANSLATE_NOOP("CommandTable", "New &Random"), "Ctrl+R",
     QT_TRANSLATE_NOOP("CommandTable", "New Random"), "new_random",
     &ListingView::newRandom, nullptr,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>New Random</b><p>Asks for the unit's rating and rolls a new set of offers with every "
     "term at random.</p>")},
    {C::Open, 57601, QT_TRANSLATE_NOOP("CommandTable", "&Open..."), "Ctrl+O",
     QT_TRANSLATE_NOOP("CommandTable", "Open"), "open", nullptr, &MainWindow::chooseAndOpenFile,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Open</b><p>Opens a saved set of contract offers (a .did file).</p>")},
    {C::Save, 57603, QT_TRANSLATE_NOOP("CommandTable", "&Save"), "Ctrl+S",
     QT_TRANSLATE_NOOP("CommandTable", "Save"), "save", nullptr, &MainWindow::save,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Save</b><p>Saves the offers under their file name; a new set asks for a name.</p>")},
    {C::SaveAs, 57604, QT_TRANSLATE_NOOP("CommandTable", "Save &As..."), "", "", "", nullptr,
     &MainWindow::saveAs,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Save As</b><p>Saves the offers under a new file name.</p>")},
    {C::Print, 57607, QT_TRANSLATE_NOOP("CommandTable", "&Print..."), "Ctrl+P",
     QT_TRANSLATE_NOOP("CommandTable", "Print"), "print", &ListingView::printListing, nullptr,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Print</b><p>Prints the listing of the offers on one page, or writes it to a PDF "
     "file.</p>")},
    {C::PrintContract, 32773, QT_TRANSLATE_NOOP("CommandTable", "Print &Contract"), "Ctrl+T",
     QT_TRANSLATE_NOOP("CommandTable", "Print Contract"), "print_contract",
     &ListingView::printContracts, nullptr,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Print Contract</b><p>Prints a formal contract for each offer you tick.</p>")},
    {C::PrintDetails, 32793, QT_TRANSLATE_NOOP("CommandTable", "Print Offer &Details..."), "", "",
     "", &ListingView::printOfferDetails,
     nullptr,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Print Offer Details</b><p>Prints the offers side by side on one page, with what each "
     "pays over its whole length, or writes them to a PDF file.</p>")},
    {C::Exit, 57665, QT_TRANSLATE_NOOP("CommandTable", "E&xit"), "", "", "", nullptr,
     &MainWindow::exitProgram,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Exit</b><p>Ends the program. When the offers have unsaved changes, asks first "
     "whether to save them.</p>")},
    {C::Undo, 57643, QT_TRANSLATE_NOOP("CommandTable", "&Undo"), "Ctrl+Z", "", "", nullptr,
     &MainWindow::undo,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Undo</b><p>Takes back the last change: new offers, an edited line or a term rolled "
     "again.</p>")},
    {C::Redo, 57644, QT_TRANSLATE_NOOP("CommandTable", "&Redo"), "Ctrl+Y", "", "", nullptr,
     &MainWindow::redo,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Redo</b><p>Makes the change that Undo took back once more; new offers come back as "
     "they were rolled.</p>")},
    {C::CopyListing, 32791, QT_TRANSLATE_NOOP("CommandTable", "Copy &Listing"), "Ctrl+Shift+C", "",
     "", &ListingView::copyListing,
     nullptr, QT_TRANSLATE_NOOP("CommandTable",
     "<b>Copy Listing</b><p>Copies the listing of the offers as text.</p>")},
    {C::RollTermAgain, 32792, QT_TRANSLATE_NOOP("CommandTable", "Roll &Term Again"), "", "", "",
     &ListingView::rollCurrentTermAgain,
     nullptr,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Roll Term Again</b><p>Rolls the term on the current line again on its own table; the "
     "rest of the offer stays.</p>")},
    {C::Options, 32775, QT_TRANSLATE_NOOP("CommandTable", "&Options"), "",
     QT_TRANSLATE_NOOP("CommandTable", "Options"), "options", &ListingView::editOptions, nullptr,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Options</b><p>Sets the campaign year, the unit's name, its base pay and its size.</p>")},
    {C::ToolBar, 59392, QT_TRANSLATE_NOOP("CommandTable", "&Toolbar"), "", "", "", nullptr, nullptr,
     QT_TRANSLATE_NOOP("CommandTable", "<b>Toolbar</b><p>Shows or hides the toolbar.</p>")},
    {C::OfferDetails, 32794, QT_TRANSLATE_NOOP("CommandTable", "Offer &Details"), "", "", "",
     nullptr, nullptr,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Offer Details</b><p>Shows or hides the offers side by side beside the listing, "
     "with the dice behind every term and what each offer pays.</p>")},
    {C::Odds, 32776, QT_TRANSLATE_NOOP("CommandTable", "Odd&s..."), "", "", "", nullptr,
     &MainWindow::showOdds,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Odds</b><p>Rolls the offers of a rating many times and shows, as charts and counts, "
     "how often each outcome comes up.</p>")},
    {C::RulesEditor, 32795, QT_TRANSLATE_NOOP("CommandTable", "&Rules Editor..."), "", "", "",
     nullptr, &MainWindow::showRulesEditor,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Rules Editor</b><p>Opens the tables of the rules in use (or a copy of the built-in "
     "ones) as grids to change, checks them as you type, tries their odds and saves them as a "
     "rules file.</p>")},
    {C::HelpTopics, 57667, QT_TRANSLATE_NOOP("CommandTable", "&Help Topics"), "", "", "", nullptr,
     &MainWindow::showHelpTopics,
     QT_TRANSLATE_NOOP("CommandTable", "<b>Help Topics</b><p>Opens the help pages.</p>")},
    {C::About, 57664, QT_TRANSLATE_NOOP("CommandTable", "&About Rode..."), "", "", "", nullptr,
     &MainWindow::showAbout,
     QT_TRANSLATE_NOOP("CommandTable", "<b>About</b><p>Shows the program's version.</p>")},
    {C::ContextHelp, 57670, QT_TRANSLATE_NOOP("CommandTable", "Help"), "F1", "", "", nullptr,
     &MainWindow::showContextHelp,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>Help</b><p>Opens help about what you are working on.</p>")},
    {C::WhatsThis, 57669, QT_TRANSLATE_NOOP("CommandTable", "What's This?"), "Shift+F1", "", "",
     nullptr,
     &MainWindow::enterWhatsThisMode,
     QT_TRANSLATE_NOOP("CommandTable",
     "<b>What's This?</b><p>Click on a part of the window to learn what it does. On the "
     "current line of the listing or the current term of the offer details it says at once how "
     "that term was rolled.</p>")},
}};

constexpr MenuEntry kSeparator{MenuEntry::Separator};
constexpr MenuEntry kRecentFiles{MenuEntry::RecentFiles};
constexpr MenuEntry item(Command command) { return {MenuEntry::Item, command}; }

constexpr MenuEntry kFileMenu[] = {
    item(C::NewDocument), item(C::NewCustom), item(C::NewRandom), item(C::Open), item(C::Save),
    item(C::SaveAs), kSeparator,
    item(C::Print), item(C::PrintContract), item(C::PrintDetails), kSeparator,
    kRecentFiles, kSeparator,
    item(C::Exit),
};
constexpr MenuEntry kEditMenu[] = {
    item(C::Undo), item(C::Redo), kSeparator, item(C::CopyListing), kSeparator,
    item(C::RollTermAgain),
};
constexpr MenuEntry kViewMenu[] = {
    item(C::Options), item(C::ToolBar), item(C::OfferDetails), kSeparator, item(C::Odds),
};
constexpr MenuEntry kToolsMenu[] = {item(C::RulesEditor)};
constexpr MenuEntry kHelpMenu[] = {item(C::HelpTopics), kSeparator, item(C::About)};
constexpr MenuLayout kMenuBar[] = {
    {QT_TRANSLATE_NOOP("CommandTable", "&File"), kFileMenu},
    {QT_TRANSLATE_NOOP("CommandTable", "&Edit"), kEditMenu},
    {QT_TRANSLATE_NOOP("CommandTable", "&View"), kViewMenu},
    {QT_TRANSLATE_NOOP("CommandTable", "&Tools"), kToolsMenu},
    {QT_TRANSLATE_NOOP("CommandTable", "&Help"), kHelpMenu},
};
constexpr MenuEntry kToolBarButtons[] = {
    item(C::NewCustom), item(C::NewRandom), item(C::Open), item(C::Save), kSeparator,
    item(C::Options), kSeparator, item(C::Print), item(C::PrintContract),
};
// Not in any menu: the keys alone reach them.
constexpr Command kKeysOnly[] = {C::ContextHelp, C::WhatsThis};
// clang-format on

constexpr bool rowsInCommandOrder() {
    for (std::size_t c = 0; c < kCommands.size(); ++c) {
        if (static_cast<std::size_t>(kCommands[c].command) != c) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInCommandOrder());

}  // namespace

const std::array<CommandRow, kCommandCount>& commandTable() {
    return kCommands;
}

const CommandRow& commandRow(Command command) {
    return kCommands[static_cast<std::size_t>(command)];
}

std::span<const MenuLayout> menuBarLayout() {
    return kMenuBar;
}

std::span<const MenuEntry> toolBarLayout() {
    return kToolBarButtons;
}

std::span<const Command> keyOnlyCommands() {
    return kKeysOnly;
}

QString commandText(const char* text) {
    return QCoreApplication::translate("CommandTable", text);
}

void describeCommandAction(QAction& action, const CommandRow& row) {
    action.setText(commandText(row.text));
    action.setObjectName(QString::number(row.id));
    action.setData(row.id);
    action.setWhatsThis(commandText(row.whatsThis));
}

QAction* createCommandAction(const CommandRow& row, QObject* parent, bool sharp) {
    auto* action = new QAction(parent);
    describeCommandAction(*action, row);
    if (*row.shortcut != '\0') {
        action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
    }
    if (*row.toolTip != '\0') {
        action->setToolTip(commandText(row.toolTip));
    }
    if (*row.icon != '\0') {
        const QString path = QStringLiteral(":/toolbar/%1.svg").arg(row.icon);
        action->setIcon(sharp ? svgIcon(path, {16, 32}) : svgIcon(path, {16}));
    }
    return action;
}
