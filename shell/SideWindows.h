#pragma once

#include <QPointer>
#include <QString>
#include <functional>

class ContractDocument;
class DocumentSession;
class HelpWindow;
class OddsWindow;
class RulesEditor;
class QWidget;
class UiPrompts;

// The main window's companions, each made when first asked for and then raised again: the help
// pages, the odds and the Rules Editor. Closing the main window closes them.
class SideWindows {
public:
    SideWindows(QWidget& owner, const DocumentSession& session, UiPrompts& prompts);

    // Where the help pages live (":/help" unless a test points elsewhere).
    void setHelpRoot(const QString& root) { m_helpRoot = root; }
    HelpWindow* helpWindow() const { return m_help; }
    // Shows `page` of the help; says "Failed to launch help." when it cannot.
    bool showHelpPage(const QString& page);
    // The odds, started from the document's rating and custom choices, rolled with the
    // session's rules.
    void showOdds();
    // The Rules Editor over the session's rules file, or a copy of the built-in tables; a file
    // that cannot be read is said so and opens nothing. `saved` hears of every save.
    void showRulesEditor(const std::function<void(const QString&)>& saved);
    RulesEditor* rulesEditor() const;
    // The session rolls with other rules: the odds window names them.
    void rulesChanged();
    // Closes them all; a run of the odds is cancelled and its threads waited for. False, with
    // nothing closed, when the Rules Editor holds unsaved edits and its user cancels.
    bool closeAll();

private:
    QWidget& m_owner;
    const DocumentSession& m_session;
    const ContractDocument& m_doc;
    UiPrompts& m_prompts;
    QString m_helpRoot = QStringLiteral(":/help");
    QPointer<HelpWindow> m_help;
    QPointer<OddsWindow> m_odds;
    QPointer<RulesEditor> m_rules;
};
