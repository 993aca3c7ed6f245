#pragma once

#include "session/FileFlow.h"

class DocumentSession;
class ListingView;
class QWidget;
class UiPrompts;

// The session's file flows as the main window runs them: their questions go to the prompts, a
// long read shows its progress over the window, a flow's message is shown, and an opened
// document is shown from its first line.
class WindowFileFlows {
public:
    WindowFileFlows(DocumentSession& session, UiPrompts& prompts, QWidget& window,
                    ListingView& view);

    // Each true when the flow was done (see DocumentSession).
    bool maybeSave();
    bool save();
    bool saveAs();
    // Opens `path`; already open, the window is only brought to the front.
    FileOutcome::Status open(const QString& path);
    // File > Open: unsaved changes are settled before the file is chosen, as File > New settles
    // them; the open then asks no more.
    void chooseAndOpen();

private:
    FileOutcome::Status open(const QString& path, const FileQuestions& ask);
    bool shown(const FileOutcome& outcome);

    DocumentSession& m_session;
    UiPrompts& m_prompts;
    QWidget& m_window;
    ListingView& m_view;
    FileQuestions m_questions;
};
