#pragma once

#include <QUndoCommand>
#include <memory>
#include <string>

#include "document/DocumentContent.h"

class ContractDocument;

// The document's content as one step keeps it. Neighbouring steps share one copy: a step's
// "after" is the next step's "before", so a long history of small edits to a large document
// holds each content once.
using ContentSnapshot = std::shared_ptr<const DocumentContent>;

// One undoable step: the document's content before and after a change, and its title and path
// before and after (a generation leaves the document untitled).
class ContentCommand : public QUndoCommand {
public:
    struct State {
        ContentSnapshot content;
        std::string title;
        std::string pathName;
    };

    // `applied`: the change has been made already, so the first redo (the one a push runs) is
    // done; otherwise it sets the document to `after`.
    ContentCommand(ContractDocument& doc, const QString& text, State before, State after,
                   bool applied = true);

    void undo() override;
    void redo() override;

    const State& before() const { return m_before; }
    const State& after() const { return m_after; }

private:
    // The content is always set; the title and path only while the document still carries the
    // other side's, so that a save in between keeps the file it was saved to.
    void restore(const State& to, const State& from);

    ContractDocument& m_doc;
    State m_before;
    State m_after;
    bool m_pushed;
};
