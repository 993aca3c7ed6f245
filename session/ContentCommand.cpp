#include "session/ContentCommand.h"

#include "document/ContractDocument.h"

ContentCommand::ContentCommand(ContractDocument& doc, const QString& text, State before,
                               State after, bool applied)
    : QUndoCommand(text),
      m_doc(doc),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_pushed(applied) {}

void ContentCommand::undo() {
    restore(m_before, m_after);
}

void ContentCommand::redo() {
    if (m_pushed) {
        m_pushed = false;
        return;
    }
    restore(m_after, m_before);
}

void ContentCommand::restore(const State& to, const State& from) {
    m_doc.setContent(*to.content);
    if (m_doc.title() == from.title && m_doc.pathName() == from.pathName) {
        m_doc.setTitle(to.title);
        m_doc.setPathName(to.pathName);
    }
}
