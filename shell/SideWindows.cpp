#include "shell/SideWindows.h"

#include "document/ContractDocument.h"
#include "session/DocumentSession.h"
#include "shell/HelpWindow.h"
#include "view/OddsWindow.h"
#include "view/UiPrompts.h"

SideWindows::SideWindows(QWidget& owner, const DocumentSession& session, UiPrompts& prompts)
    : m_owner(owner), m_session(session), m_doc(session.document()), m_prompts(prompts) {}

bool SideWindows::showHelpPage(const QString& page) {
    if (!m_help) {
        m_help = new HelpWindow(m_helpRoot, &m_owner);
    }
    if (!m_help->showTopic(page)) {
        m_prompts.warn(QStringLiteral("Failed to launch help."));
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
    }
    m_odds->show();
    m_odds->raise();
    m_odds->activateWindow();
}

void SideWindows::rulesChanged() {
    if (m_odds) {
        m_odds->showRulesInUse();
    }
}

void SideWindows::closeAll() {
    if (m_help) {
        m_help->close();
    }
    if (m_odds) {
        m_odds->close();
    }
}
