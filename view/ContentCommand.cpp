#include "view/ContentCommand.h"

#include <QUndoStack>

#include "document/ContractDocument.h"

ContentCommand::ContentCommand(ContractDocument& doc, const QString& text, State before,
                               State after)
    : QUndoCommand(text), m_doc(doc), m_before(std::move(before)), m_after(std::move(after)) {}

ContentCommand::State ContentCommand::stateOf(const ContractDocument& doc) {
    return {doc.content(), doc.title(), doc.pathName()};
}

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
    m_doc.setContent(to.content);
    if (m_doc.title() == from.title && m_doc.pathName() == from.pathName) {
        m_doc.setTitle(to.title);
        m_doc.setPathName(to.pathName);
    }
}

bool recordChange(QUndoStack& history, ContractDocument& doc, const QString& text,
                  const std::function<void()>& change) {
    ContentCommand::State before = ContentCommand::stateOf(doc);
    change();
    ContentCommand::State after = ContentCommand::stateOf(doc);
    if (after == before) {
        return false;
    }
    history.push(new ContentCommand(doc, text, std::move(before), std::move(after)));
    return true;
}
