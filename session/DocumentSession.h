#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "document/ContractDocument.h"
#include "generate/Generator.h"
#include "generate/RuleSet.h"
#include "session/ContentCommand.h"
#include "session/FileFlow.h"

class SettingsStore;

// The one open document and everything that changes it: its undo history, the generator that
// rolls its offers, its file, and the open, save, save-as and "save changes?" flows. The window
// and the listing talk to it; it knows no widget.
class DocumentSession : public QObject {
    Q_OBJECT
public:
    // The history keeps at most this many steps, and fewer where each holds more than its share
    // of this many bytes, so a document with a huge value cannot fill the memory with its past.
    static constexpr int kHistorySteps = 200;
    static constexpr std::size_t kHistoryBytes = std::size_t{64} * 1024 * 1024;

    // The generator starts at `seed` (the window gives the clock, tests a number of their own).
    DocumentSession(SettingsStore& settings, std::uint32_t seed, QObject* parent = nullptr);
    ~DocumentSession() override;

    ContractDocument& document() { return m_doc; }
    const ContractDocument& document() const { return m_doc; }
    SettingsStore& settings() const { return m_doc.settings(); }
    Generator& generator() { return m_generator; }
    const QUndoStack& history() const { return m_history; }
    // Changes the file does not hold: the history stands elsewhere than where the document was
    // started, opened or last saved.
    bool isModified() const { return !m_history.isClean(); }
    // Whether generations and terms rolled again keep the roll record (they do unless told
    // otherwise). Without it they roll exactly the same dice, only faster.
    void setRecordingRolls(bool on) { m_recordingRolls = on; }
    // The tables generations and terms rolled again use: the built-in ones unless set.
    const RuleSet& rules() const { return m_rules ? *m_rules : builtInRules(); }
    std::shared_ptr<const RuleSet> sharedRules() const { return m_rules; }
    // Null goes back to the built-in tables.
    void setRules(std::shared_ptr<const RuleSet> rules);
    // The rules file the settings name; empty for the built-in tables.
    std::string chosenRulesPath() const;
    // Rolls with the rules file the settings name. A file that is refused leaves the built-in
    // tables in use and the setting as it is; the result is then the message naming the file and
    // its first problems, otherwise empty. Meant for the start.
    QString useChosenRules();
    // Rolls with the rules file at `path` from now on and remembers it in the settings (an empty
    // path: the built-in tables). A file that is refused changes nothing, neither the rules in
    // use nor the setting; the result is then the message, otherwise empty.
    QString chooseRules(const std::string& path);

    // ---- changes: each one undoable step, and one `changed` ----
    // Runs `change` on the document once, now, and records what it did as one step named
    // `text`. Undo and redo set the content back and forth and never run the change again, so
    // the dice of a generation are not rolled twice. A change that changed nothing records
    // nothing. True when a step was recorded.
    bool record(const QString& text, const std::function<void()>& change);
    // Replaces the offers with a new generation from the document's rating, the first offer
    // following `choices` and `rating`. Meant to run inside record().
    void generateOffers(const std::string& rating, const OfferChoices& choices);
    // Rolls the term `field` of offer `offer` again as one step named `text`. A term that comes
    // out as the text it had changes nothing and records no step. True when a step was recorded.
    bool rollTermAgain(const QString& text, int offer, std::string ContractOffer::*field);
    void undo();
    void redo();

    // ---- files ----
    // Back to the document of a fresh start, with a fresh history; asks nothing (maybeSave()
    // comes first).
    void newDocument();
    // The document was reset or read outside the history: it begins a history of its own,
    // unmodified.
    void startFreshHistory();
    // Done when nothing unsaved would be lost: no unsaved changes, or the user saved them
    // (successfully) or chose to discard them. Cancelled when the user cancelled, Failed when
    // the save failed (its message says why).
    FileOutcome maybeSave(const FileQuestions& ask);
    // Save writes to the document's own file, or asks for a name as Save As does.
    FileOutcome save(const FileQuestions& ask);
    FileOutcome saveAs(const FileQuestions& ask);
    // Opens `path` the way every open does (dialog, recent list, drop, command line). The
    // document's own file is only reported (alreadyOpen). A file that will really be read asks
    // "save changes?" first; one that cannot be opened asks nothing.
    FileOutcome open(const QString& path, const FileQuestions& ask);
    // Set while a file is read; nothing else is opened meanwhile.
    bool isReading() const { return m_reading; }

signals:
    // The document or its title changed: a step was recorded, undone or redone, a file was
    // opened or saved, or the document started afresh. Once per change.
    void changed();
    // A file was opened, or the document saved under a new name: the recent files take it.
    void pathTaken(const QString& path);
    // Generations roll with other rules from now on.
    void rulesChanged();

private:
    ContentCommand::State currentState();
    FileOutcome saveTo(const QString& path, bool isSaveAs);
    // Drops the oldest steps beyond the limits.
    void trimHistory();
    void historyMoved();

    ContractDocument m_doc;
    Generator m_generator;
    QUndoStack m_history;
    // The content as the history last left it, shared with the steps on either side.
    ContentSnapshot m_current;
    bool m_recordingRolls = true;
    std::shared_ptr<const RuleSet> m_rules;  // null: the built-in tables
    bool m_reading = false;
    bool m_quiet = false;  // while the history is rebuilt: nothing changes for anyone watching
};

// About how many bytes one content holds: its texts and its roll record.
std::size_t contentBytes(const DocumentContent& content);
