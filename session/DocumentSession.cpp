#include "session/DocumentSession.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "document/SettingsStore.h"
#include "generate/DocumentGeneration.h"
#include "storage/DocumentFile.h"
#include "storage/RulesFileAccess.h"

DocumentSession::DocumentSession(SettingsStore& settings, std::uint32_t seed, QObject* parent)
    : QObject(parent), m_doc(settings), m_generator(seed) {
    // The stack takes a limit only while it is empty.
    m_history.setUndoLimit(kHistorySteps);
    connect(&m_history, &QUndoStack::indexChanged, this, &DocumentSession::historyMoved);
}

DocumentSession::~DocumentSession() {
    // The history empties itself as it goes, and nothing may hear of it any more.
    m_history.disconnect(this);
}

// ---- rules ---------------------------------------------------------------------------------

void DocumentSession::setRules(std::shared_ptr<const RuleSet> rules) {
    m_rules = std::move(rules);
    emit rulesChanged();
}

std::string DocumentSession::chosenRulesPath() const {
    return settings().readText(settings::kRulesSection, settings::kRulesFile, {});
}

QString DocumentSession::useChosenRules() {
    const std::string path = chosenRulesPath();
    if (path.empty()) {
        setRules(nullptr);
        return {};
    }
    RulesLoad load = loadRulesFile(QString::fromStdString(path));
    setRules(std::move(load.rules));
    return load.problem;
}

QString DocumentSession::chooseRules(const std::string& path) {
    if (path.empty()) {
        setRules(nullptr);
    } else {
        RulesLoad load = loadRulesFile(QString::fromStdString(path));
        if (!load.rules) {
            return load.problem;
        }
        setRules(std::move(load.rules));
    }
    settings().writeText(settings::kRulesSection, settings::kRulesFile, path);
    return {};
}

// ---- changes -------------------------------------------------------------------------------

ContentCommand::State DocumentSession::currentState() {
    DocumentContent now = m_doc.content();
    // Shared with the step before unless something changed the document behind the history.
    if (!m_current || *m_current != now) {
        m_current = std::make_shared<const DocumentContent>(std::move(now));
    }
    return {m_current, m_doc.title(), m_doc.pathName()};
}

bool DocumentSession::record(const QString& text, const std::function<void()>& change) {
    ContentCommand::State before = currentState();
    change();
    DocumentContent now = m_doc.content();
    if (now == *before.content && m_doc.title() == before.title &&
        m_doc.pathName() == before.pathName) {
        return false;
    }
    ContentCommand::State after{std::make_shared<const DocumentContent>(std::move(now)),
                                m_doc.title(), m_doc.pathName()};
    m_history.push(new ContentCommand(m_doc, text, std::move(before), std::move(after)));
    trimHistory();
    return true;
}

void DocumentSession::generateOffers(const std::string& rating, const OfferChoices& choices) {
    DocumentContent content = m_doc.content();
    ::generateOffers(content, rating, choices, m_doc.basePay(), rules(), m_generator,
                     m_recordingRolls);
    m_doc.setContent(std::move(content));
}

bool DocumentSession::rollTermAgain(const QString& text, int offer,
                                    std::string ContractOffer::*field) {
    DocumentContent content = m_doc.content();
    if (!::rollTermAgain(content, offer, field, m_doc.basePay(), rules(), m_generator,
                         m_recordingRolls)) {
        return false;
    }
    const auto index = static_cast<std::size_t>(offer);
    if (content.offers[index].*field == m_doc.m_offers[index].*field) {
        return false;
    }
    return record(text, [&] { m_doc.setContent(std::move(content)); });
}

void DocumentSession::undo() {
    m_history.undo();
}

void DocumentSession::redo() {
    m_history.redo();
}

void DocumentSession::historyMoved() {
    if (m_quiet) {
        return;
    }
    // The document now holds the content between the steps on either side of the index.
    const int index = m_history.index();
    if (index > 0) {
        m_current =
            static_cast<const ContentCommand*>(m_history.command(index - 1))->after().content;
    } else if (m_history.count() > 0) {
        m_current = static_cast<const ContentCommand*>(m_history.command(0))->before().content;
    }
    emit changed();
}

void DocumentSession::trimHistory() {
    const int count = m_history.count();
    // Each step holds about one content; the first also holds the one before it.
    const std::size_t each = std::max<std::size_t>(contentBytes(*m_current), 1);
    const auto affordable =
        static_cast<int>(std::min<std::size_t>(kHistoryBytes / each, kHistorySteps + 1));
    const int keep = std::max(affordable - 1, 1);
    if (count <= keep) {
        return;
    }
    // QUndoStack drops no step on request; the steps to keep go into a history of their own.
    struct Kept {
        QString text;
        ContentCommand::State before;
        ContentCommand::State after;
    };
    std::vector<Kept> kept;
    for (int i = count - keep; i < count; ++i) {
        const auto* step = static_cast<const ContentCommand*>(m_history.command(i));
        kept.push_back({step->text(), step->before(), step->after()});
    }
    const int cleanIndex = m_history.cleanIndex();
    const int clean = cleanIndex < 0 ? -1 : cleanIndex - (count - keep);
    m_quiet = true;
    m_history.clear();
    for (Kept& step : kept) {
        m_history.push(
            new ContentCommand(m_doc, step.text, std::move(step.before), std::move(step.after)));
    }
    if (clean < 0) {
        m_history.resetClean();
    } else if (clean < keep) {
        // Where the file was saved, undone to and redone from, so the document ends as it was.
        m_history.setIndex(clean);
        m_history.setClean();
        m_history.setIndex(keep);
    } else {
        m_history.setClean();
    }
    m_quiet = false;
}

// ---- files ---------------------------------------------------------------------------------

void DocumentSession::startFreshHistory() {
    m_quiet = true;
    m_history.clear();
    m_quiet = false;
    m_current.reset();
    emit changed();
}

void DocumentSession::newDocument() {
    m_doc.resetToNew();
    startFreshHistory();
}

FileOutcome DocumentSession::maybeSave(const FileQuestions& ask) {
    if (!isModified()) {
        return {};
    }
    switch (ask.saveChanges(QString::fromStdString(m_doc.title()))) {
        case SaveAnswer::Save:
            return save(ask);
        case SaveAnswer::Discard:
            return {};
        case SaveAnswer::Cancel:
            break;
    }
    return {FileOutcome::Status::Cancelled, {}};
}

FileOutcome DocumentSession::save(const FileQuestions& ask) {
    if (saveNeedsName(m_doc)) {
        return saveAs(ask);
    }
    return saveTo(QString::fromStdString(m_doc.pathName()), false);
}

FileOutcome DocumentSession::saveAs(const FileQuestions& ask) {
    QString path;
    if (!ask.savePath(proposedSaveName(m_doc), path)) {
        return {FileOutcome::Status::Cancelled, {}};
    }
    return saveTo(withDefaultExtension(path), true);
}

FileOutcome DocumentSession::saveTo(const QString& path, bool isSaveAs) {
    const SaveResult result = saveDocumentFile(m_doc, path);
    if (!result.ok) {
        return {FileOutcome::Status::Failed, result.message};
    }
    m_quiet = true;
    m_history.setClean();
    m_quiet = false;
    if (isSaveAs) {
        emit pathTaken(QString::fromStdString(m_doc.pathName()));
    }
    emit changed();
    return {};
}

FileOutcome DocumentSession::open(const QString& path, const FileQuestions& ask) {
    if (m_reading) {
        return {FileOutcome::Status::Cancelled, {}};
    }
    std::optional<DocumentOpening> opening(std::in_place, m_doc, path);
    // Only a file that will really be read replaces unsaved changes: one that is already open or
    // cannot be opened asks nothing.
    if (opening->needsReading() && isModified()) {
        FileOutcome saved = maybeSave(ask);
        if (!saved.done()) {
            return {FileOutcome::Status::Cancelled, saved.message};
        }
        // The save may have written the very file that is to be opened: look at it afresh.
        opening.emplace(m_doc, path);
    }
    if (opening->needsReading()) {
        m_reading = true;
        const bool read = ask.read(*opening);
        m_reading = false;
        if (!read) {
            return {FileOutcome::Status::Cancelled, {}};
        }
    }
    const OpenResult result = opening->finish(m_doc);
    switch (result.status) {
        case OpenStatus::AlreadyOpen:
            return {FileOutcome::Status::Done, {}, true};
        case OpenStatus::Opened:
            emit pathTaken(QString::fromStdString(m_doc.pathName()));
            startFreshHistory();
            return {FileOutcome::Status::Done, {}, false, true};
        case OpenStatus::Cancelled:
            return {FileOutcome::Status::Cancelled, {}};
        case OpenStatus::Failed:
            break;
    }
    if (result.documentReset) {
        // The document is a new one now, possibly with the rating the file had.
        startFreshHistory();
    }
    return {FileOutcome::Status::Failed, result.message, false, result.documentReset};
}

std::size_t contentBytes(const DocumentContent& content) {
    std::size_t bytes = sizeof(DocumentContent) + content.rating.size();
    for (const ContractOffer& offer : content.offers) {
        for (const auto field : ContractOffer::kFields) {
            bytes += (offer.*field).size();
        }
    }
    const OfferChoices& choices = content.customChoices;
    for (const std::string* text :
         {&choices.employer, &choices.assignment, &choices.contractLength,
          &choices.paymentMultiplier, &choices.support, &choices.transport, &choices.salvageRights,
          &choices.commandRights}) {
        bytes += text->size();
    }
    bytes += content.rolls.dice.size() * sizeof(RecordedDie);
    for (const TermRecord& term : content.rolls.terms) {
        bytes += sizeof(TermRecord) + term.explanation.size() + term.text.size();
    }
    return bytes;
}
