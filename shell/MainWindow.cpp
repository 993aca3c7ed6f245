#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QTableWidget>
#include <QToolBar>
#include <QWhatsThis>

#include "document/ContractDocument.h"
#include "document/SettingsStore.h"
#include "session/DocumentSession.h"
#include "shell/AboutDialog.h"
#include "shell/CommandTable.h"
#include "shell/FileDrops.h"
#include "shell/KeyboardReturn.h"
#include "shell/MainWindowGeometry.h"
#include "shell/RecentFileList.h"
#include "shell/RecentFilesMenu.h"
#include "shell/SideWindows.h"
#include "shell/SvgIcon.h"
#include "shell/WindowCommandLine.h"
#include "shell/WindowFileFlows.h"
#include "shell/WindowTranslations.h"
#include "view/DialogPrompts.h"
#include "view/ListingView.h"
#include "view/OfferDetailsDock.h"

namespace {

constexpr const char* kAppTitle = " - Zuvaduro";

QString qtTitleText(QString title) {
    // "[*]" is the toolkit's modified marker; a file name holding it must show as typed.
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace

MainWindow::MainWindow(DocumentSession& session, RecentFileList& recent, UiPrompts* prompts,
                       QWidget* parent)
    : QMainWindow(parent),
      m_session(session),
      m_doc(session.document()),
      m_recent(recent),
      m_prompts(prompts) {
    // The pictures and help pages live in a static library that nothing else references.
    Q_INIT_RESOURCE(zuvaduro);
    setObjectName(QStringLiteral("mainWindow"));
    if (m_prompts == nullptr) {
        m_ownPrompts = std::make_unique<DialogPrompts>(this);
        m_prompts = m_ownPrompts.get();
    }
    m_side = std::make_unique<SideWindows>(*this, m_session, *m_prompts);
    setWindowIcon(svgIcon(QStringLiteral(":/icons/zuvaduro.svg"), {16, 32, 48}));
    m_view = new ListingView(m_session, *m_prompts, this);
    setCentralWidget(m_view);
    m_files = std::make_unique<WindowFileFlows>(m_session, *m_prompts, *this, *m_view);

    createActions();
    createToolBar();
    createOfferDetails();
    createMenus();
    updateRecentFileMenu();
    new FileDrops(
        *this, [this] { return m_session.isReading(); },
        [this](const QString& path) { return tryOpenDocument(path) != OpenOutcome::Cancelled; });
    updateWindowTitle();
    followSession();
    connect(m_view, &ListingView::currentLineChanged, this, &MainWindow::updateEditCommands);
    updateEditCommands();
}

void MainWindow::followSession() {
    connect(&m_session, &DocumentSession::changed, this, [this] {
        updateWindowTitle();
        updateEditCommands();
    });
    connect(&m_session, &DocumentSession::rulesChanged, this, [this] {
        updateWindowTitle();
        m_side->rulesChanged();
    });
    connect(&m_session, &DocumentSession::pathTaken, this, [this](const QString& path) {
        m_recent.add(path);
        updateRecentFileMenu();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions() {
    for (const CommandRow& row : commandTable()) {
        if (row.viewCommand == nullptr && row.windowCommand == nullptr) {
            continue;  // a toggle, made with what it shows
        }
        // A second, sharper picture only where the screen has more pixels per point.
        QAction* made = createCommandAction(row, this, devicePixelRatio() > 1);
        if (row.viewCommand != nullptr) {
            connect(made, &QAction::triggered, m_view, row.viewCommand);
        } else {
            connect(made, &QAction::triggered, this, row.windowCommand);
        }
        m_actions[static_cast<std::size_t>(row.command)] = made;
    }
    action(Command::Redo)
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    for (Command command : keyOnlyCommands()) {
        addAction(action(command));
    }
}

void MainWindow::createToolBar() {
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setWhatsThis(
        tr("<b>Toolbar</b><p>Buttons for New Custom, New Random, Open, Save, Options, Print "
           "and Print Contract. Drag it to any side of the window; View, Toolbar hides it.</p>"));
    addCommands(m_toolBar, toolBarLayout());
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    QAction* toggle = m_toolBar->toggleViewAction();
    describeCommandAction(*toggle, commandRow(Command::ToolBar));
    m_actions[static_cast<std::size_t>(Command::ToolBar)] = toggle;
}

void MainWindow::createOfferDetails() {
    m_details = new OfferDetailsDock(m_doc, this);
    addDockWidget(Qt::RightDockWidgetArea, m_details);
    m_geometry = std::make_unique<MainWindowGeometry>(*this, *m_details);
    SettingsStore& settings = m_doc.settings();
    const bool shown = settings.readNumber(settings::kSection, settings::kOfferDetails,
                                           settings::kOfferDetailsDefault) != 0;
    m_details->setVisible(shown);
    // The details follow every change: commands, undo and redo, an opened file, the pay.
    connect(&m_session, &DocumentSession::changed, m_details, &OfferDetailsDock::refresh);
    connect(&m_session, &DocumentSession::changed, this,
            [this] { m_geometry->growDetailsToFit(); });
    connect(m_view, &ListingView::optionsChanged, m_details, &OfferDetailsDock::refresh);
    connect(m_details, &OfferDetailsDock::editRequested, m_view, &ListingView::editLine);
    connect(m_details, &OfferDetailsDock::lineMenuRequested, m_view, &ListingView::showLineMenu);

    // The dock has no close button (a dock that cannot close disables its own toggle action):
    // this menu item alone shows and hides it, and its choice is the one to remember.
    auto* toggle = new QAction(this);
    describeCommandAction(*toggle, commandRow(Command::OfferDetails));
    toggle->setCheckable(true);
    toggle->setChecked(shown);
    connect(toggle, &QAction::toggled, this, [this, &settings](bool on) {
        m_geometry->showDetails(on);
        settings.writeNumber(settings::kSection, settings::kOfferDetails, on ? 1 : 0);
    });
    m_actions[static_cast<std::size_t>(Command::OfferDetails)] = toggle;
}

void MainWindow::addCommands(QWidget* target, std::span<const MenuEntry> entries) {
    auto* menu = qobject_cast<QMenu*>(target);
    auto* bar = qobject_cast<QToolBar*>(target);
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Separator:
                menu ? menu->addSeparator() : bar->addSeparator();
                break;
            case MenuEntry::RecentFiles:
                m_recentMenu = new RecentFilesMenu(*menu, m_recent, this);
                connect(m_recentMenu, &RecentFilesMenu::entryChosen, this,
                        &MainWindow::openRecentFile);
                break;
            case MenuEntry::Item:
                target->addAction(action(entry.command));
                break;
        }
    }
}

void MainWindow::createMenus() {
    for (const MenuLayout& layout : menuBarLayout()) {
        QMenu* menu = menuBar()->addMenu(commandText(layout.title));
        addCommands(menu, layout.entries);
        if (m_fileMenu == nullptr) {  // the first menu is File
            m_fileMenu = menu;
            // A recent file's tip is its whole path, which its entry may show shortened.
            m_fileMenu->setToolTipsVisible(true);
        }
    }
    // The current folder decides how entries are named, and it may change between showings.
    connect(m_fileMenu, &QMenu::aboutToShow, this, &MainWindow::updateRecentFileMenu);
}

QAction* MainWindow::action(Command command) const {
    return m_actions[static_cast<std::size_t>(command)];
}

void MainWindow::placeOnScreen() {
    const QAction* details = action(Command::OfferDetails);
    m_geometry->placeOnScreen(details != nullptr && details->isChecked());
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    m_geometry->windowMovedOrResized();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    m_geometry->windowMovedOrResized();
}

void MainWindow::updateWindowTitle() {
    // "[*]" after the name: a modified document shows "Untitled* - Zuvaduro".
    QString title = qtTitleText(windowDocumentName(m_doc)) + QStringLiteral("[*]") + kAppTitle;
    // Offers rolled with other tables than the built-in ones say so wherever the window shows.
    if (const RuleSet& rules = m_session.rules(); !rules.isBuiltIn()) {
        title += tr(" - house rules '%1'").arg(qtTitleText(QString::fromStdString(rules.name)));
    }
    setWindowTitle(title);
    setWindowModified(m_session.isModified());
}

void MainWindow::updateEditCommands() {
    const QUndoStack& history = m_session.history();
    const auto stepText = [](const QString& command, const QString& step) {
        return step.isEmpty() ? command : command + QLatin1Char(' ') + step;
    };
    QAction* undo = action(Command::Undo);
    undo->setEnabled(history.canUndo());
    undo->setText(stepText(commandText(commandRow(Command::Undo).text), history.undoText()));
    QAction* redo = action(Command::Redo);
    redo->setEnabled(history.canRedo());
    redo->setText(stepText(commandText(commandRow(Command::Redo).text), history.redoText()));
    action(Command::RollTermAgain)->setEnabled(m_view->canRollCurrentTerm());
    setWindowModified(!history.isClean());
}

void MainWindow::undo() {
    m_session.undo();
}

void MainWindow::redo() {
    m_session.redo();
}

bool MainWindow::maybeSave() {
    return m_files->maybeSave();
}

void MainWindow::newDocument() {
    if (!maybeSave()) {
        return;
    }
    m_session.newDocument();
    m_view->showFromTop();
}

void MainWindow::updateRecentFileMenu() {
    m_recentMenu->update();
}

// ---- files ---------------------------------------------------------------------------------

bool MainWindow::openDocument(const QString& path) {
    return tryOpenDocument(path) == OpenOutcome::Opened;
}

MainWindow::OpenOutcome MainWindow::tryOpenDocument(const QString& path) {
    switch (m_files->open(stripPathQuotes(path))) {
        case FileOutcome::Status::Done:
            return OpenOutcome::Opened;
        case FileOutcome::Status::Failed:
            return OpenOutcome::Failed;
        case FileOutcome::Status::Cancelled:
            break;
    }
    return OpenOutcome::Cancelled;
}

void MainWindow::chooseAndOpenFile() {
    m_files->chooseAndOpen();
}

void MainWindow::save() {
    saveDocument();
}

void MainWindow::saveAs() {
    saveDocumentAs();
}

bool MainWindow::saveDocument() {
    return m_files->save();
}

bool MainWindow::saveDocumentAs() {
    return m_files->saveAs();
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

// ---- help, about, exit ---------------------------------------------------------------------

void MainWindow::showHelpTopics() {
    m_side->showHelpPage(QStringLiteral("index.html"));
}

void MainWindow::showContextHelp() {
    // The listing has its own page; anything else starts at the contents.
    const QWidget* focus = QApplication::focusWidget();
    const bool inListing = focus != nullptr && (focus == m_view || m_view->isAncestorOf(focus));
    m_side->showHelpPage(inListing ? QStringLiteral("listing.html") : QStringLiteral("index.html"));
}

void MainWindow::enterWhatsThisMode() {
    // On the current line of the listing or of the details the key says at once how that term
    // was rolled, so the keyboard reaches what the mouse's tip shows; elsewhere a click picks
    // what to explain.
    const QWidget* focus = QApplication::focusWidget();
    if (focus == m_view && m_view->showCurrentLineHelp()) {
        return;
    }
    if (focus == m_details->table() && m_details->showCurrentCellHelp()) {
        return;
    }
    QWhatsThis::enterWhatsThisMode();
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::showOdds() {
    m_side->showOdds();
}

void MainWindow::showRulesEditor() {
    m_side->showRulesEditor([this](const QString& path) {
        // Saving the file in use rolls with what was saved from now on.
        if (path.toStdString() != m_session.chosenRulesPath()) {
            return;
        }
        if (const QString problem = m_session.chooseRules(path.toStdString()); !problem.isEmpty()) {
            m_prompts->warn(problem);
        }
    });
}

void MainWindow::reactivateAfterDialog() {
    returnKeyboardAfterDialog(*this);
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Edits in the Rules Editor are asked about too: a Cancel there keeps the program running.
    if (!maybeSave() || !m_side->closeAll()) {
        event->ignore();
        return;
    }
    event->accept();
    emit windowClosed();
}
