#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <span>

#include "shell/CommandTable.h"
#include "shell/HelpWindow.h"
#include "shell/SideWindows.h"

class ContractDocument;
class DocumentSession;
class ListingView;
class MainWindowGeometry;
class OfferDetailsDock;
class QMenu;
class QToolBar;
class RecentFileList;
class RecentFilesMenu;
class UiPrompts;
class WindowFileFlows;

// The main window: menu, toolbar and accelerators over the one listing view, and the shell's
// own commands (open, save, recent files, help, about, exit). The actions are made from the
// command table (shell/CommandTable.h); where the window stands is MainWindowGeometry's job.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Without `prompts` the window answers through the real dialogs.
    MainWindow(DocumentSession& session, RecentFileList& recent, UiPrompts* prompts = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up place on the primary screen (see MainWindowGeometry).
    void placeOnScreen();

    // The title and everything that shows the document's name follow the document: call after
    // anything that may change its title.
    void updateWindowTitle();

    // Opens `path` into the document the way every open does (dialog, recent list, drop,
    // command line). Already open: only brought to the front. On failure the file layer's
    // message is shown. A long read shows its progress and may be cancelled, which changes
    // nothing. True when the document now holds that file.
    bool openDocument(const QString& path);
    enum class OpenOutcome { Opened, Failed, Cancelled };
    OpenOutcome tryOpenDocument(const QString& path);

    ListingView* view() const { return m_view; }
    OfferDetailsDock* offerDetails() const { return m_details; }
    QAction* action(Command command) const;
    UiPrompts& prompts() const { return *m_prompts; }
    // Where the help pages live (":/help" unless a test points elsewhere).
    void setHelpRoot(const QString& root) { m_side->setHelpRoot(root); }
    HelpWindow* helpWindow() const { return m_side->helpWindow(); }

    // ---- commands ----
    // New: back to the document of a fresh start, with a fresh history.
    void newDocument();
    void chooseAndOpenFile();
    // Save writes to the document's own file, or asks for a name as Save As does.
    void save();
    void saveAs();
    // The same, saying whether the document was saved.
    bool saveDocument();
    bool saveDocumentAs();
    void undo();
    void redo();
    // True when nothing unsaved would be lost: the document has no unsaved changes, or the user
    // saved them (successfully) or chose to discard them. False when the user cancelled.
    bool maybeSave();
    void openRecentFile(int index);
    void exitProgram();
    void showHelpTopics();
    void showContextHelp();     // F1
    void enterWhatsThisMode();  // Shift+F1
    void showAbout();
    // View > Odds...: one window, started from the document's rating and custom choices; raised
    // when it is open already.
    void showOdds();
    // Tools > Rules Editor...: the tables of the rules in use, or a copy of the built-in ones.
    void showRulesEditor();
    void updateRecentFileMenu();
    // A modal dialog has closed: the main window takes the keyboard back, as a window manager
    // would do.
    void reactivateAfterDialog();

signals:
    // The window was closed (Exit or the close button): the program ends.
    void windowClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    // View > Offer Details: the dock beside the listing, shown as the settings remember.
    void createOfferDetails();
    // The entries of a menu or of the toolbar, in order.
    void addCommands(QWidget* target, std::span<const MenuEntry> entries);
    // The title, edit commands and recent files follow the session's changes.
    void followSession();
    // Undo, Redo, Roll Term Again and the title's modified mark follow the history.
    void updateEditCommands();

    DocumentSession& m_session;
    ContractDocument& m_doc;
    RecentFileList& m_recent;
    std::unique_ptr<UiPrompts> m_ownPrompts;
    UiPrompts* m_prompts;
    ListingView* m_view = nullptr;
    std::unique_ptr<WindowFileFlows> m_files;
    OfferDetailsDock* m_details = nullptr;
    std::unique_ptr<MainWindowGeometry> m_geometry;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_fileMenu = nullptr;
    RecentFilesMenu* m_recentMenu = nullptr;
    std::array<QAction*, kCommandCount> m_actions{};
    std::unique_ptr<SideWindows> m_side;
};
