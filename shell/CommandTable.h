#pragma once

#include <array>
#include <cstddef>
#include <span>

#include <QString>

class ListingView;
class MainWindow;
class QAction;
class QObject;

// The window's commands. Each has a fixed number, set as its action's objectName and data: the
// help's context ids, the settings and the window tests name a command by it.
enum class Command {
    NewDocument,
    NewCustom,
    NewRandom,
    Open,
    Save,
    SaveAs,
    Print,
    PrintContract,
    PrintDetails,
    Exit,
    Undo,
    Redo,
    CopyListing,
    RollTermAgain,
    Options,
    ToolBar,
    OfferDetails,
    Odds,
    RulesEditor,
    HelpTopics,
    About,
    ContextHelp,
    WhatsThis,
};
inline constexpr std::size_t kCommandCount = 23;

// The first entry of the recent files; entry n has the number kFirstRecentFile + n.
inline constexpr int kFirstRecentFile = 57616;

// One row of the command table: what the menu, the key, the toolbar and What's This? show, and
// what the command runs (one of the listing's commands or one of the window's own). The two
// toggles (ToolBar, OfferDetails) run nothing themselves: the window makes their actions.
struct CommandRow {
    Command command;
    int id;
    const char* text;
    const char* shortcut;  // portable key text, or ""
    const char* toolTip;   // "" when the command has no toolbar button
    const char* icon;      // toolbar picture under :/toolbar, or ""
    void (ListingView::*viewCommand)();
    void (MainWindow::*windowCommand)();
    const char* whatsThis;
};

// The rows in Command order.
const std::array<CommandRow, kCommandCount>& commandTable();
const CommandRow& commandRow(Command command);

// A text of the table (a row's text, tip or What's This?, a menu's title) in the user's language.
QString commandText(const char* text);
// The row's action, owned by `parent`: text, key, tip, picture (a second, sharper one when
// `sharp`), What's This? and the number as objectName and data; nothing is connected yet.
QAction* createCommandAction(const CommandRow& row, QObject* parent, bool sharp);
// The number a toggle made elsewhere (the toolbar's own) carries, with the row's texts.
void describeCommandAction(QAction& action, const CommandRow& row);

// One entry of a menu or the toolbar: a command, a separator, or the place of the recent files.
struct MenuEntry {
    enum Kind { Item, Separator, RecentFiles } kind = Item;
    Command command = Command::NewDocument;
};

struct MenuLayout {
    const char* title;
    std::span<const MenuEntry> entries;
};

// The menu bar, left to right; the toolbar's buttons; the commands only keys reach.
std::span<const MenuLayout> menuBarLayout();
std::span<const MenuEntry> toolBarLayout();
std::span<const Command> keyOnlyCommands();
