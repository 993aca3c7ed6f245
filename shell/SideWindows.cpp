#include "shell/SideWindows.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWindow>

#include "document/ContractDocument.h"
#include "shell/FramePlacement.h"
#include "shell/HelpWindow.h"
#include "view/OddsWindow.h"
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

SideWindows::SideWindows(QWidget& owner, const ContractDocument& doc, UiPrompts& prompts)
    : m_owner(owner), m_doc(doc), m_prompts(prompts) {}

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
        placeBesideOwner(*m_odds, m_owner);
    }
    m_odds->show();
    m_odds->raise();
    m_odds->activateWindow();
}

void SideWindows::closeAll() {
    if (m_help) {
        m_help->close();
    }
    if (m_odds) {
        m_odds->close();
    }
}
