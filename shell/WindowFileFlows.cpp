#include "shell/WindowFileFlows.h"

#include <QWidget>

#include "session/DocumentSession.h"
#include "shell/OpenProgress.h"
#include "shell/WindowTranslations.h"
#include "view/ListingView.h"
#include "view/UiPrompts.h"

WindowFileFlows::WindowFileFlows(DocumentSession& session, UiPrompts& prompts, QWidget& window,
                                 ListingView& view)
    : m_session(session), m_prompts(prompts), m_window(window), m_view(view) {
    m_questions.saveChanges = [this](const QString&) {
        return m_prompts.askSaveChanges(windowDocumentName(m_session.document()));
    };
    m_questions.savePath = [this](const QString& proposed, QString& path) {
        return m_prompts.askSavePath(proposed, path);
    };
    m_questions.read = [this](DocumentOpening& opening) {
        return readWithProgress(opening, &m_window);
    };
}

bool WindowFileFlows::shown(const FileOutcome& outcome) {
    if (!outcome.message.isEmpty()) {
        m_prompts.warn(outcome.message);
    }
    return outcome.done();
}

bool WindowFileFlows::maybeSave() {
    return shown(m_session.maybeSave(m_questions));
}

bool WindowFileFlows::save() {
    return shown(m_session.save(m_questions));
}

bool WindowFileFlows::saveAs() {
    return shown(m_session.saveAs(m_questions));
}

FileOutcome::Status WindowFileFlows::open(const QString& path) {
    return open(path, m_questions);
}

void WindowFileFlows::chooseAndOpen() {
    if (!maybeSave()) {
        return;
    }
    QString path;
    if (m_prompts.askOpenPath(path)) {
        FileQuestions settled = m_questions;
        settled.saveChanges = [](const QString&) { return SaveAnswer::Discard; };
        open(path, settled);
    }
}

FileOutcome::Status WindowFileFlows::open(const QString& path, const FileQuestions& ask) {
    const FileOutcome outcome = m_session.open(path, ask);
    shown(outcome);
    if (outcome.fresh) {
        m_view.showFromTop();
    }
    if (outcome.alreadyOpen) {
        m_window.raise();
        m_window.activateWindow();
    }
    return outcome.status;
}
