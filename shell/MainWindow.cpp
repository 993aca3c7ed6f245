#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>
#include <QWhatsThis>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "document/ContractDocument.h"
#include "document/SettingsStore.h"
#include "shell/AboutDialog.h"
#include "shell/FramePlacement.h"
#include "shell/HelpWindow.h"
#include "shell/OpenProgress.h"
#include "shell/RecentFileList.h"
#include "shell/WindowCommandLine.h"
#include "storage/DocumentFile.h"
#include "view/DialogPrompts.h"
#include "view/ListingView.h"
#include "view/OddsWindow.h"
#include "view/OfferDetailsDock.h"
#include "view/ProductMessage.h"

namespace cmd {
// clang-format off
inline constexpr int kNewCustom     = 57600;
inline constexpr int kNewRandom     = 32771;
inline constexpr int kOpen          = 57601;
inline constexpr int kSave          = 57603;
inline constexpr int kSaveAs        = 57604;
inline constexpr int kPrint         = 57607;
inline constexpr int kPrintContract = 32773;
inline constexpr int kExit          = 57665;
inline constexpr int kOptions       = 32775;
inline constexpr int kOdds          = 32776;
inline constexpr int kToolBar       = 59392;
inline constexpr int kHelpTopics    = 57667;
inline constexpr int kAbout         = 57664;
inline constexpr int kContextHelp   = 57670;
inline constexpr int kWhatsThis     = 57669;
inline constexpr int kFirstRecent   = 57616;
inline constexpr int kNewDocument   = 32790;
inline constexpr int kUndo          = 57643;
inline constexpr int kRedo          = 57644;
inline constexpr int kCopyListing   = 32791;
inline constexpr int kRollTermAgain = 32792;
inline constexpr int kPrintDetails  = 32793;
inline constexpr int kOfferDetails  = 32794;
// clang-format on
// Layout markers in the menu and toolbar tables.
inline constexpr int kSeparator = 0;
inline constexpr int kRecentSlot = -1;
}  // namespace cmd

struct MainWindow::CommandRow {
    int id;
    const char* text;
    const char* shortcut;  // portable key text, or ""
    const char* toolTip;   // "" when the command has no toolbar button
    const char* icon;      // toolbar picture under :/toolbar, or ""
    // What the command runs: one of the listing's commands, or one of the window's own.
    void (ListingView::*viewCommand)();
    void (MainWindow::*windowCommand)();
    const char* whatsThis;
};

namespace {

using Row = MainWindow::CommandRow;

// clang-format off
constexpr Row kCommands[] = {
    {cmd::kNewCustom, "&New Custom", "Ctrl+C", "New Custom", "new_custom",
     &ListingView::newCustom, nullptr,
     "<b>New Custom</b><p>Asks for the unit's rating and for the terms the first offer must "
     "have, then rolls a new set of offers. Edit, Undo brings back the offers it replaced.</p>"},
    {cmd::kNewRandom, "New Random", "Ctrl+R", "New Random", "new_random",
     &ListingView::newRandom, nullptr,
     "<b>New Random</b><p>Asks for the unit's rating and rolls a new set of offers with every "
     "term at random.</p>"},
    {cmd::kOpen, "&Open...", "Ctrl+O", "Open", "open", nullptr, &MainWindow::chooseAndOpenFile,
     "<b>Open</b><p>Opens a saved set of contract offers (a .did file).</p>"},
    {cmd::kSave, "&Save", "Ctrl+S", "Save", "save", nullptr, &MainWindow::save,
     "<b>Save</b><p>Saves the offers under their file name; a new set asks for a name.</p>"},
    {cmd::kSaveAs, "Save &As...", "", "", "", nullptr, &MainWindow::saveAs,
     "<b>Save As</b><p>Saves the offers under a new file name.</p>"},
    {cmd::kPrint, "&Print...", "Ctrl+P", "Print", "print", &ListingView::printListing, nullptr,
     "<b>Print</b><p>Prints the listing of the offers on one page, or writes it to a PDF "
     "file.</p>"},
    {cmd::kPrintContract, "Print Contract", "Ctrl+T", "Print Contract", "print_contract",
     &ListingView::printContracts, nullptr,
     "<b>Print Contract</b><p>Prints a formal contract for each offer you tick.</p>"},
    {cmd::kPrintDetails, "Print Offer &Details...", "", "", "", &ListingView::printOfferDetails,
     nullptr,
     "<b>Print Offer Details</b><p>Prints the offers side by side on one page, with what each "
     "pays over its whole length, or writes them to a PDF file.</p>"},
    {cmd::kExit, "E&xit", "", "", "", nullptr, &MainWindow::exitProgram,
     "<b>Exit</b><p>Ends the program. When the offers have unsaved changes, asks first "
     "whether to save them.</p>"},
    {cmd::kOptions, "&Options", "", "Options", "options", &ListingView::editOptions, nullptr,
     "<b>Options</b><p>Sets the campaign year, the unit's name, its base pay and its size.</p>"},
    {cmd::kOdds, "O&dds...", "", "", "", nullptr, &MainWindow::showOdds,
     "<b>Odds</b><p>Rolls the offers of a rating many times and shows, as charts and counts, "
     "how often each outcome comes up.</p>"},
    {cmd::kHelpTopics, "&Help Topics", "", "", "", nullptr, &MainWindow::showHelpTopics,
     "<b>Help Topics</b><p>Opens the help pages.</p>"},
    {cmd::kAbout, "&About Rode...", "", "", "", nullptr, &MainWindow::showAbout,
     "<b>About</b><p>Shows the program's version.</p>"},
    {cmd::kContextHelp, "Help", "F1", "", "", nullptr, &MainWindow::showContextHelp,
     "<b>Help</b><p>Opens help about what you are working on.</p>"},
    {cmd::kWhatsThis, "What's This?", "Shift+F1", "", "", nullptr, &MainWindow::enterWhatsThisMode,
     "<b>What's This?</b><p>Click on a part of the window to learn what it does.</p>"},
    {cmd::kNewDocument, "Ne&w", "Ctrl+N", "", "", nullptr, &MainWindow::newDocument,
     "<b>New</b><p>Starts again with no offers and the rating D, as at start-up. When the "
     "offers have unsaved changes, asks first whether to save them.</p>"},
    {cmd::kUndo, "&Undo", "Ctrl+Z", "", "", nullptr, &MainWindow::undo,
     "<b>Undo</b><p>Takes back the last change: new offers, an edited line or a term rolled "
     "again.</p>"},
    {cmd::kRedo, "&Redo", "Ctrl+Y", "", "", nullptr, &MainWindow::redo,
     "<b>Redo</b><p>Makes the change that Undo took back once more; new offers come back as "
     "they were rolled.</p>"},
    {cmd::kCopyListing, "Copy &Listing", "Ctrl+Shift+C", "", "", &ListingView::copyListing,
     nullptr, "<b>Copy Listing</b><p>Copies the listing of the offers as text.</p>"},
    {cmd::kRollTermAgain, "Roll &Term Again", "", "", "", &ListingView::rollCurrentTermAgain,
     nullptr,
     "<b>Roll Term Again</b><p>Rolls the term on the current line again on its own table; the "
     "rest of the offer stays.</p>"},
};

constexpr int kFileMenu[] = {
    cmd::kNewDocument, cmd::kNewCustom, cmd::kNewRandom, cmd::kOpen, cmd::kSave, cmd::kSaveAs,
    cmd::kSeparator, cmd::kPrint, cmd::kPrintContract, cmd::kPrintDetails, cmd::kSeparator,
    cmd::kRecentSlot,
    cmd::kSeparator, cmd::kExit,
};
constexpr int kEditMenu[] = {
    cmd::kUndo, cmd::kRedo, cmd::kSeparator, cmd::kCopyListing, cmd::kSeparator,
    cmd::kRollTermAgain,
};
constexpr int kViewMenu[] = {
    cmd::kOptions, cmd::kToolBar, cmd::kOfferDetails, cmd::kSeparator, cmd::kOdds,
};
constexpr int kHelpMenu[] = {cmd::kHelpTopics, cmd::kSeparator, cmd::kAbout};
constexpr int kToolBarButtons[] = {
    cmd::kNewCustom, cmd::kNewRandom, cmd::kOpen, cmd::kSave, cmd::kSeparator,
    cmd::kOptions, cmd::kSeparator, cmd::kPrint, cmd::kPrintContract,
};
// Not in any menu: the keys alone reach them.
constexpr int kKeysOnly[] = {cmd::kContextHelp, cmd::kWhatsThis};
// clang-format on

constexpr const char* kAppTitle = " - Zuvaduro";

// Pictures are drawn from SVG once, at the sizes asked for, without loading an icon plugin:
// that keeps the start-up close to that of an empty window.
QIcon svgIcon(const QString& path, std::initializer_list<int> sizes) {
    QSvgRenderer renderer(path);
    QIcon icon;
    if (!renderer.isValid()) {
        return icon;
    }
    for (int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QString qtTitleText(QString title) {
    // "[*]" is the toolkit's modified marker; a file name holding it must show as typed.
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace

MainWindow::MainWindow(ContractDocument& doc, RecentFileList& recent, UiPrompts* prompts,
                       QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_recent(recent), m_prompts(prompts) {
    // The pictures and help pages live in a static library that nothing else references.
    Q_INIT_RESOURCE(zuvaduro);
    setObjectName(QStringLiteral("mainWindow"));
    if (m_prompts == nullptr) {
        m_ownPrompts = std::make_unique<DialogPrompts>(this);
        m_prompts = m_ownPrompts.get();
    }
    setWindowIcon(svgIcon(QStringLiteral(":/icons/zuvaduro.svg"), {16, 32, 48}));
    m_view = new ListingView(m_doc, *m_prompts, this);
    setCentralWidget(m_view);
    connect(m_view, &ListingView::documentChanged, this, &MainWindow::updateWindowTitle);

    createActions();
    createToolBar();
    createOfferDetails();
    createMenus();
    updateRecentFileMenu();
    setAcceptDrops(true);
    updateWindowTitle();
    connect(&m_view->history(), &QUndoStack::indexChanged, this, &MainWindow::updateEditCommands);
    connect(&m_view->history(), &QUndoStack::cleanChanged, this, &MainWindow::updateEditCommands);
    connect(m_view, &ListingView::currentLineChanged, this, &MainWindow::updateEditCommands);
    updateEditCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions() {
    for (const Row& row : kCommands) {
        auto* action = new QAction(QString::fromUtf8(row.text), this);
        action->setObjectName(QString::number(row.id));
        action->setData(row.id);
        if (*row.shortcut != '\0') {
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        }
        if (*row.toolTip != '\0') {
            action->setToolTip(QString::fromUtf8(row.toolTip));
        }
        if (*row.icon != '\0') {
            // A second, sharper picture only where the screen has more pixels per point.
            const QString path = QStringLiteral(":/toolbar/%1.svg").arg(row.icon);
            action->setIcon(devicePixelRatio() > 1 ? svgIcon(path, {16, 32}) : svgIcon(path, {16}));
        }
        action->setWhatsThis(QString::fromUtf8(row.whatsThis));
        if (row.viewCommand != nullptr) {
            connect(action, &QAction::triggered, m_view, row.viewCommand);
        } else {
            connect(action, &QAction::triggered, this, row.windowCommand);
        }
        m_actions[row.id] = action;
    }
    m_actions.at(cmd::kRedo)
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    for (int id : kKeysOnly) {
        addAction(m_actions.at(id));
    }
}

void MainWindow::createToolBar() {
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setWhatsThis(
        tr("<b>Toolbar</b><p>Buttons for New Custom, New Random, Open, Save, Options, Print "
           "and Print Contract. Drag it to any side of the window; View, Toolbar hides it.</p>"));
    addCommands(m_toolBar, kToolBarButtons, std::size(kToolBarButtons));
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    QAction* toggle = m_toolBar->toggleViewAction();
    toggle->setText(QStringLiteral("&Toolbar"));
    toggle->setObjectName(QString::number(cmd::kToolBar));
    toggle->setData(cmd::kToolBar);
    toggle->setWhatsThis(tr("<b>Toolbar</b><p>Shows or hides the toolbar.</p>"));
    m_actions[cmd::kToolBar] = toggle;
}

void MainWindow::createOfferDetails() {
    m_details = new OfferDetailsDock(m_doc, this);
    addDockWidget(Qt::RightDockWidgetArea, m_details);
    SettingsStore& settings = m_doc.settings();
    const bool shown = settings.readNumber(settings::kSection, settings::kOfferDetails,
                                           settings::kOfferDetailsDefault) != 0;
    m_details->setVisible(shown);
    // The details follow every change: commands, undo and redo, an opened file, the pay.
    connect(m_view, &ListingView::documentChanged, m_details, &OfferDetailsDock::refresh);
    connect(m_view, &ListingView::documentChanged, this, &MainWindow::growDetailsToFit);
    connect(m_view, &ListingView::optionsChanged, m_details, &OfferDetailsDock::refresh);
    connect(m_details, &OfferDetailsDock::editRequested, m_view, &ListingView::editLine);

    // The dock has no close button (a dock that cannot close disables its own toggle action):
    // this menu item alone shows and hides it, and its choice is the one to remember.
    auto* toggle = new QAction(QStringLiteral("Offer &Details"), this);
    toggle->setObjectName(QString::number(cmd::kOfferDetails));
    toggle->setData(cmd::kOfferDetails);
    toggle->setCheckable(true);
    toggle->setChecked(shown);
    toggle->setWhatsThis(
        tr("<b>Offer Details</b><p>Shows or hides the offers side by side beside the listing, "
           "with the dice behind every term and what each offer pays.</p>"));
    connect(toggle, &QAction::toggled, this, [this, &settings](bool on) {
        showOfferDetails(on);
        settings.writeNumber(settings::kSection, settings::kOfferDetails, on ? 1 : 0);
    });
    m_actions[cmd::kOfferDetails] = toggle;
}

void MainWindow::showOfferDetails(bool on) {
    if (!on) {
        m_details->setVisible(false);
        if (m_sizeBeforeDetails.isValid() && size() == m_sizeWithDetails && !isMaximized() &&
            !isFullScreen()) {
            resize(m_sizeBeforeDetails);
        }
        return;
    }
    m_sizeBeforeDetails = size();
    m_details->setVisible(true);
    makeRoomForDetails(m_details->preferredWidth());
}

void MainWindow::growDetailsToFit() {
    if (isVisible() && m_details->isVisible() && m_details->preferredWidth() > m_details->width()) {
        makeRoomForDetails(m_details->preferredWidth() - m_details->width());
    }
}

void MainWindow::makeRoomForDetails(int extraWidth) {
    const int wanted = m_details->preferredWidth();
    const QScreen* screen = this->screen();
    if (extraWidth > 0 && screen != nullptr && !isMaximized() && !isFullScreen()) {
        const QRect available = screen->availableGeometry();
        const QMargins frame = frameMargins();
        const int widest = available.width() - frame.left() - frame.right();
        // The client area moves, not the frame: its height on the screen is known for sure.
        QRect client = geometry();
        client.setWidth(std::max(width(), std::min(width() + extraWidth, widest)));
        const int overRight = client.right() + frame.right() - available.right();
        if (overRight > 0) {
            client.moveLeft(std::max(available.left() + frame.left(), client.left() - overRight));
        }
        setGeometry(client);
    }
    m_sizeWithDetails = size();
    // The listing keeps its usual width where the window has it; the details scroll instead.
    resizeDocks({m_details},
                {std::max(std::min(wanted, width() - kMainClientWidth), m_details->width())},
                Qt::Horizontal);
}

void MainWindow::addCommands(QWidget* target, const int* ids, std::size_t count) {
    auto* menu = qobject_cast<QMenu*>(target);
    auto* bar = qobject_cast<QToolBar*>(target);
    for (std::size_t i = 0; i < count; ++i) {
        const int id = ids[i];
        if (id == cmd::kSeparator) {
            menu ? menu->addSeparator() : bar->addSeparator();
        } else if (id == cmd::kRecentSlot) {
            m_recentPlaceholder = menu->addAction(QStringLiteral("Recent File"));
            m_recentPlaceholder->setObjectName(QStringLiteral("recentFile"));
            m_recentPlaceholder->setData(cmd::kFirstRecent);
            m_recentPlaceholder->setEnabled(false);
            for (int n = 0; n < RecentFileList::kMaxEntries; ++n) {
                QAction* entry = menu->addAction(QString());
                entry->setObjectName(QString::number(cmd::kFirstRecent + n));
                entry->setData(cmd::kFirstRecent + n);
                entry->setWhatsThis(tr("<b>Recent file</b><p>Opens this document again.</p>"));
                connect(entry, &QAction::triggered, this, [this, n] { openRecentFile(n); });
                m_recentActions[static_cast<std::size_t>(n)] = entry;
            }
        } else {
            target->addAction(m_actions.at(id));
        }
    }
}

void MainWindow::createMenus() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    addCommands(m_fileMenu, kFileMenu, std::size(kFileMenu));
    // The current folder decides how entries are named, and it may change between showings.
    connect(m_fileMenu, &QMenu::aboutToShow, this, &MainWindow::updateRecentFileMenu);
    addCommands(menuBar()->addMenu(QStringLiteral("&Edit")), kEditMenu, std::size(kEditMenu));
    addCommands(menuBar()->addMenu(QStringLiteral("&View")), kViewMenu, std::size(kViewMenu));
    addCommands(menuBar()->addMenu(QStringLiteral("&Help")), kHelpMenu, std::size(kHelpMenu));
}

QAction* MainWindow::action(int id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

void MainWindow::placeOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        resize(kMainClientWidth, 480);
        return;
    }
    const QAction* details = action(cmd::kOfferDetails);
    m_startDetailsWidth =
        details != nullptr && details->isChecked() ? m_details->preferredWidth() : 0;
    applyPlacement(placeMainWindow(screen->geometry(), screen->availableGeometry(), frameMargins(),
                                   m_startDetailsWidth));
    m_awaitingFrame = true;
}

void MainWindow::applyPlacement(const FramePlacement& placement) {
    resize(placement.clientSize);
    // move() places the frame's top-left corner, as far as the frame is known.
    move(placement.frameTopLeft);
    m_placement = placement;
    if (m_startDetailsWidth > 0) {
        m_sizeBeforeDetails = QSize(kMainClientWidth, placement.clientSize.height());
        m_sizeWithDetails = placement.clientSize;
        resizeDocks(
            {m_details},
            {std::min(m_startDetailsWidth, placement.clientSize.width() - kMainClientWidth)},
            Qt::Horizontal);
    }
}

QMargins MainWindow::frameMargins() const {
    return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

void MainWindow::fitToFrameOnce() {
    if (!m_awaitingFrame) {
        return;
    }
    const QMargins frame = frameMargins();
    if (frame.isNull()) {
        return;  // not framed (yet): the window is all client area
    }
    m_awaitingFrame = false;
    // A file opened at start was read before the window showed, and may need more room; the
    // window grows only now, once its frame stands where it belongs.
    QTimer::singleShot(0, this, &MainWindow::growDetailsToFit);
    // The window manager frames the client where it was put, or puts the frame where the window
    // was asked to go; anything else is a move or resize by the user, and that stands.
    const QPoint client = geometry().topLeft();
    const QPoint asked = m_placement.frameTopLeft;
    const bool untouched = size() == m_placement.clientSize &&
                           (client == asked || client == asked + QPoint(frame.left(), frame.top()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (untouched && screen != nullptr) {
        applyPlacement(placeMainWindow(screen->geometry(), screen->availableGeometry(), frame,
                                       m_startDetailsWidth));
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    fitToFrameOnce();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fitToFrameOnce();
}

void MainWindow::updateWindowTitle() {
    // "[*]" after the name: a modified document shows "Untitled* - Zuvaduro".
    setWindowTitle(qtTitleText(QString::fromStdString(m_doc.title())) + QStringLiteral("[*]") +
                   kAppTitle);
    setWindowModified(!m_view->history().isClean());
}

void MainWindow::updateEditCommands() {
    const QUndoStack& history = m_view->history();
    const auto stepText = [](const QString& command, const QString& step) {
        return step.isEmpty() ? command : command + QLatin1Char(' ') + step;
    };
    QAction* undo = m_actions.at(cmd::kUndo);
    undo->setEnabled(history.canUndo());
    undo->setText(stepText(QStringLiteral("&Undo"), history.undoText()));
    QAction* redo = m_actions.at(cmd::kRedo);
    redo->setEnabled(history.canRedo());
    redo->setText(stepText(QStringLiteral("&Redo"), history.redoText()));
    m_actions.at(cmd::kRollTermAgain)->setEnabled(m_view->canRollCurrentTerm());
    m_doc.setModified(!history.isClean());
    setWindowModified(!history.isClean());
}

void MainWindow::startFreshHistory() {
    m_view->history().clear();
    updateEditCommands();
}

void MainWindow::undo() {
    m_view->history().undo();
}

void MainWindow::redo() {
    m_view->history().redo();
}

bool MainWindow::maybeSave() {
    if (m_view->history().isClean()) {
        return true;
    }
    switch (m_prompts->askSaveChanges(QString::fromStdString(m_doc.title()))) {
        case SaveAnswer::Save:
            return saveDocument();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

void MainWindow::newDocument() {
    if (!maybeSave()) {
        return;
    }
    m_doc.resetToNew();
    startFreshHistory();
    m_view->showFromTop();
    updateWindowTitle();
}

void MainWindow::updateRecentFileMenu() {
    const QString currentDir = QDir::currentPath();
    m_recentPlaceholder->setVisible(m_recent.isEmpty());
    for (int n = 0; n < RecentFileList::kMaxEntries; ++n) {
        QAction* entry = m_recentActions[static_cast<std::size_t>(n)];
        const bool used = n < m_recent.size();
        entry->setVisible(used);
        entry->setText(used ? m_recent.menuLabel(n, currentDir) : QString());
        entry->setToolTip(used ? plainToolTip(m_recent.entries().at(n)) : QString());
    }
}

// ---- files ---------------------------------------------------------------------------------

bool MainWindow::openDocument(const QString& path) {
    return tryOpenDocument(path) == OpenOutcome::Opened;
}

MainWindow::OpenOutcome MainWindow::tryOpenDocument(const QString& path) {
    if (m_reading) {
        return OpenOutcome::Cancelled;
    }
    const QString target = stripPathQuotes(path);
    std::optional<DocumentOpening> opening(std::in_place, m_doc, target);
    // Only a file that will really be read replaces unsaved changes: one that is already open or
    // cannot be opened asks nothing.
    if (opening->needsReading() && !m_view->history().isClean()) {
        if (!maybeSave()) {
            return OpenOutcome::Cancelled;
        }
        // The save may have written the very file that is to be opened: look at it afresh.
        opening.emplace(m_doc, target);
    }
    if (opening->needsReading()) {
        m_reading = true;
        const bool read = readWithProgress(*opening, this);
        m_reading = false;
        if (!read) {
            return OpenOutcome::Cancelled;
        }
    }
    const OpenResult result = opening->finish(m_doc);
    switch (result.status) {
        case OpenStatus::AlreadyOpen:
            raise();
            activateWindow();
            return OpenOutcome::Opened;
        case OpenStatus::Opened:
            m_recent.add(QString::fromStdString(m_doc.pathName()));
            updateRecentFileMenu();
            startFreshHistory();
            m_view->showFromTop();
            updateWindowTitle();
            return OpenOutcome::Opened;
        case OpenStatus::Cancelled:
            return OpenOutcome::Cancelled;
        case OpenStatus::Failed:
            break;
    }
    m_prompts->warn(result.message);
    if (result.documentReset) {
        // The document is a new one now, possibly with the rating the file had.
        startFreshHistory();
        m_view->showFromTop();
        updateWindowTitle();
    }
    return OpenOutcome::Failed;
}

void MainWindow::chooseAndOpenFile() {
    QString path;
    if (m_prompts->askOpenPath(path)) {
        openDocument(path);
    }
}

void MainWindow::save() {
    saveDocument();
}

void MainWindow::saveAs() {
    saveDocumentAs();
}

bool MainWindow::saveDocument() {
    if (saveNeedsName(m_doc)) {
        return saveDocumentAs();
    }
    return saveTo(QString::fromStdString(m_doc.pathName()), false);
}

bool MainWindow::saveDocumentAs() {
    QString path;
    if (!m_prompts->askSavePath(proposedSaveName(m_doc), path)) {
        return false;
    }
    return saveTo(withDefaultExtension(path), true);
}

bool MainWindow::saveTo(const QString& path, bool isSaveAs) {
    const SaveResult result = saveDocumentFile(m_doc, path);
    if (!result.ok) {
        m_prompts->warn(result.message);
        return false;
    }
    m_view->history().setClean();
    if (isSaveAs) {
        m_recent.add(QString::fromStdString(m_doc.pathName()));
        updateRecentFileMenu();
    }
    updateWindowTitle();
    return true;
}

void MainWindow::openRecentFile(int index) {
    if (index < 0 || index >= m_recent.size()) {
        return;
    }
    const QString path = m_recent.entries().at(index);
    if (tryOpenDocument(path) == OpenOutcome::Failed) {
        m_recent.remove(path);
        updateRecentFileMenu();
    }
}

namespace {
bool holdsLocalFiles(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}
}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_reading && holdsLocalFiles(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_reading && holdsLocalFiles(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    if (paths.isEmpty() || m_reading) {
        return;
    }
    event->acceptProposedAction();
    raise();
    activateWindow();
    // One after the other, so the last one stays open; a cancel stops the rest.
    for (const QString& path : paths) {
        if (tryOpenDocument(path) == OpenOutcome::Cancelled) {
            break;
        }
    }
}

// ---- help, about, exit ---------------------------------------------------------------------

bool MainWindow::showHelpPage(const QString& page) {
    if (!m_help) {
        m_help = new HelpWindow(m_helpRoot, this);
    }
    if (!m_help->showTopic(page)) {
        m_prompts->warn(QStringLiteral("Failed to launch help."));
        return false;
    }
    return true;
}

void MainWindow::showHelpTopics() {
    showHelpPage(QStringLiteral("index.html"));
}

void MainWindow::showContextHelp() {
    // The listing has its own page; anything else starts at the contents.
    const QWidget* focus = QApplication::focusWidget();
    const bool inListing = focus != nullptr && (focus == m_view || m_view->isAncestorOf(focus));
    showHelpPage(inListing ? QStringLiteral("listing.html") : QStringLiteral("index.html"));
}

void MainWindow::enterWhatsThisMode() {
    QWhatsThis::enterWhatsThisMode();
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::showOdds() {
    if (!m_odds) {
        m_odds = new OddsWindow(
            m_doc.m_rating, m_doc.m_customChoices,
            [this] { return QString::fromStdString(m_doc.pathName()); }, this);
        m_odds->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_odds->show();
    m_odds->raise();
    m_odds->activateWindow();
}

void MainWindow::reactivateAfterDialog() {
    // Later, so that a dialog that follows at once (the reminder before the contract selection)
    // keeps the keyboard. Without a window manager nothing else gives it back to the main window,
    // and keys would go nowhere until a click.
    QTimer::singleShot(0, this, [this] {
        const QWidget* active = QApplication::activeWindow();
        const bool otherWindowActive = active != nullptr && active != this && active->isVisible();
        if (isVisible() && QApplication::activeModalWidget() == nullptr && !otherWindowActive) {
            activateWindow();
        }
    });
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    if (m_help) {
        m_help->close();
    }
    if (m_odds) {
        m_odds->close();  // cancels a run and waits for its threads
    }
    event->accept();
    emit windowClosed();
}
