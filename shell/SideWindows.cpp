#include "shell/SideWindows.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWindow>

#include "document/ContractDocument.h"
#include "rules/RulesFile.h"
#include "session/DocumentSession.h"
#include "shell/FramePlacement.h"
#include "shell/HelpWindow.h"
#include "storage/RulesFileAccess.h"
#include "view/OddsWindow.h"
#include "view/RulesEditor.h"
#include "view/UiPrompts.h"

namespace {

// A companion opens on the main window's screen, centred on and fitted to its available area.
// Its own frame is added by the window manager only once it shows; the main window's stands in.
void placeBesideOwner(QWidget& side, const QWidget& owner) {
    const QScreen* screen = owner.screen();
    if (screen == nullptr) {
        return;
    }
    const QWindow* handle = owner.windowHandle();
    const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
    side.setGeometry(placeSideWindow(side.size(), usableArea(*screen), frame));
}

}  // namespace

SideWindows::SideWindows(QWidget& owner, const DocumentSession& session, UiPrompts& prompts)
    : m_owner(owner), m_session(session), m_doc(session.document()), m_prompts(prompts) {}

bool SideWindows::showHelpPage(const QString& page) {
    if (!m_help) {
        m_help = new HelpWindow(m_helpRoot, &m_owner);
        placeBesideOwner(*m_help, m_owner);
    }
    if (!m_help->showTopic(page)) {
        m_prompts.warn(QCoreApplication::translate("SideWindows", "Failed to launch help."));
        return false;
    }
    return true;
}

void SideWindows::showOdds() {
    if (!m_odds) {
        m_odds = new OddsWindow(
            m_doc.m_rating, m_doc.m_customChoices,
            [this] { return QString::fromStdString(m_doc.pathName()); }, &m_owner);
        m_odds->setAttribute(Qt::WA_DeleteOnClose);
        m_odds->setRulesSource([this] { return m_session.sharedRules(); });
        placeBesideOwner(*m_odds, m_owner);
    }
    m_odds->show();
    m_odds->raise();
    m_odds->activateWindow();
}

void SideWindows::showRulesEditor(const std::function<void(const QString&)>& saved) {
    if (!m_rules) {
        const QString path = QString::fromStdString(m_session.chosenRulesPath());
        std::string text;
        if (path.isEmpty()) {
            text = dumpRules(builtInRules());
        } else {
            QString problem;
            text = readRulesText(path, problem);
            if (!problem.isEmpty()) {
                m_prompts.warn(problem);
                return;
            }
        }
        m_rules = new RulesEditor(path, text, m_doc.m_rating, &m_owner);
        m_rules->setAttribute(Qt::WA_DeleteOnClose);
        placeBesideOwner(*m_rules, m_owner);
        QObject::connect(m_rules, &RulesEditor::saved, m_rules, saved);
    }
    m_rules->show();
    m_rules->raise();
    m_rules->activateWindow();
}

RulesEditor* SideWindows::rulesEditor() const {
    return m_rules;
}

void SideWindows::rulesChanged() {
    if (m_odds) {
        m_odds->showRulesInUse();
    }
}

bool SideWindows::closeAll() {
    // The editor first: its unsaved tables may keep everything open.
    if (m_rules && !m_rules->close()) {
        return false;
    }
    if (m_help) {
        m_help->close();
    }
    if (m_odds) {
        m_odds->close();
    }
    return true;
}
