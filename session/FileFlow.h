#pragma once

#include <QString>
#include <functional>

class DocumentOpening;

// What the session's file flows ask and answer (session/DocumentSession.h).

// The answers to "Save changes to <title>?".
enum class SaveAnswer { Save, Discard, Cancel };

// What a file flow came to. The window shows `message` when there is one.
struct FileOutcome {
    enum class Status { Done, Failed, Cancelled };
    Status status = Status::Done;
    QString message;
    bool alreadyOpen = false;  // an open of the document's own file: nothing was read
    // The document started afresh (a file was read, or a failed read reset it): it is shown
    // from its first line.
    bool fresh = false;

    bool done() const { return status == Status::Done; }
};

// What the file flows may need to ask on the way; the window answers through its dialogs (or a
// test through scripted answers). The session itself asks nothing.
struct FileQuestions {
    std::function<SaveAnswer(const QString& title)> saveChanges;
    // The Save As dialog: true with `path` set on OK.
    std::function<bool(const QString& proposed, QString& path)> savePath;
    // Reads the bytes of an open (showing its progress where it takes long); false when the
    // read was cancelled.
    std::function<bool(DocumentOpening& opening)> read;
};
