#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <memory>

#include "session/FileFlow.h"
#include "shell/FramePlacement.h"
#include "shell/HelpWindow.h"

class ContractDocument;
class DocumentSession;
class ListingView;
class OddsWindow;
class OfferDetailsDock;
class QMenu;
class QToolBar;
class RecentFileList;
class UiPrompts;

// The main window: menu, toolbar and accelerators over the one listing view, and the shell's
// own commands (open, save, recent files, help, about, exit). Every QAction carries its command
// number as objectName and data, so the same numbers reach it from menus, keys and tests.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Without `prompts` the window answers through the real dialogs.
    MainWindow(DocumentSession& session, RecentFileList& recent, UiPrompts* prompts = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up place on the primary screen (FramePlacement). Once the window manager has
    // framed the window, the place is fitted to the frame once, unless the window was moved or
    // resized in between: nothing the user does to the window is undone.
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
    QAction* action(int id) const;
    UiPrompts& prompts() const { return *m_prompts; }
    // Where the help pages live (":/help" unless a test points elsewhere).
    void setHelpRoot(const QString& root) { m_helpRoot = root; }
    HelpWindow* helpWindow() const { return m_help; }

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
    void updateRecentFileMenu();
    // A modal dialog has closed: the main window takes the keyboard back, as a window manager
    // would do.
    void reactivateAfterDialog();

    // One row of the command table (menu text, key, toolbar tip and picture, what it runs).
    struct CommandRow;

signals:
    // The window was closed (Exit or the close button): the program ends.
    void windowClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyPlacement(const FramePlacement& placement);
    QMargins frameMargins() const;
    void fitToFrameOnce();
    FramePlacement m_placement;
    // The room the window was given for the offer details: at start, or when they were shown.
    int m_startDetailsWidth = 0;
    QSize m_sizeBeforeDetails;
    QSize m_sizeWithDetails;
    // Between placeOnScreen and the first event that knows the window manager's frame.
    bool m_awaitingFrame = false;

    void createActions();
    void createMenus();
    void createToolBar();
    // View > Offer Details: the dock beside the listing, shown as the settings remember.
    void createOfferDetails();
    // Shows or hides the details, widening the window by their width as the screen allows
    // and narrowing it again if the user left that width as it was.
    void showOfferDetails(bool on);
    // Widens the window by up to `extraWidth` (not when maximized) and gives it to the details.
    void makeRoomForDetails(int extraWidth);
    // More offers need more room: the details grow to show them all, never shrink by themselves.
    void growDetailsToFit();
    void addCommands(QWidget* target, const int* ids, std::size_t count);
    // The file flows' questions, and the title, edit commands and recent files following the
    // session's changes.
    void followSession();
    // Shows a file flow's message, if any; true when the flow was done.
    bool showOutcome(const FileOutcome& outcome);
    OpenOutcome openWith(const QString& path, const FileQuestions& ask);
    // Undo, Redo, Roll Term Again and the title's modified mark follow the history.
    void updateEditCommands();
    bool showHelpPage(const QString& page);

    DocumentSession& m_session;
    ContractDocument& m_doc;
    RecentFileList& m_recent;
    // The file flows' questions, answered through m_prompts and the progress of a read.
    FileQuestions m_questions;
    std::unique_ptr<UiPrompts> m_ownPrompts;
    UiPrompts* m_prompts;
    ListingView* m_view = nullptr;
    OfferDetailsDock* m_details = nullptr;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    std::array<QAction*, 4> m_recentActions{};
    std::map<int, QAction*> m_actions;
    QString m_helpRoot = QStringLiteral(":/help");
    QPointer<HelpWindow> m_help;
    QPointer<OddsWindow> m_odds;
};
