#pragma once

#include <QUndoCommand>
#include <functional>
#include <string>

#include "document/DocumentContent.h"

class ContractDocument;
class QUndoStack;

// One undoable step: the document's content before and after a change, and its title and path
// before and after (a generation leaves the document untitled).
class ContentCommand : public QUndoCommand {
public:
    struct State {
        DocumentContent content;
        std::string title;
        std::string pathName;
        bool operator==(const State&) const = default;
    };

    ContentCommand(ContractDocument& doc, const QString& text, State before, State after);

    void undo() override;
    void redo() override;

    static State stateOf(const ContractDocument& doc);

private:
    // The content is always set; the title and path only while the document still carries the
    // other side's, so that a save in between keeps the file it was saved to.
    void restore(const State& to, const State& from);

    ContractDocument& m_doc;
    State m_before;
    State m_after;
    bool m_pushed = true;  // the change ran before the step was pushed: its first redo is done
};

// Runs `change` on the document once, now, and records what it did as one step named `text`.
// Undo and redo set the content back and forth and never run the change again, so a generation's
// dice are not rolled twice. A change that changed nothing records nothing. True when a step was
// recorded.
bool recordChange(QUndoStack& history, ContractDocument& doc, const QString& text,
                  const std::function<void()>& change);
