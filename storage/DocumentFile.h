#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "storage/Descriptor.h"

class ContractDocument;

// The open and save sequences. They return what happened and the message for the user instead of
// showing it; the window shows the message, the command line prints it.

enum class OpenStatus {
    Opened,       // read (or a 0-byte file taken as is); path, title and recent list may change
    AlreadyOpen,  // the document's own path: nothing was read
    Failed,       // message says why; see `documentReset`
    Cancelled,    // the user stopped the read: nothing changed
};

struct OpenResult {
    OpenStatus status = OpenStatus::Opened;
    QString message;
    bool documentReset = false;  // the read failed after it began: the document was reset
};

// Opens `path` into `doc`. The path is made absolute first (absolutePathAsGiven: its ".." are the
// kernel's to resolve). On success the document takes the absolute path and its file name as
// title.
OpenResult openDocumentFile(ContractDocument& doc, const QString& path);

// The same open in three steps, so that the slow middle one can run on another thread while the
// window goes on painting: the constructor resolves the path and opens the file, readBytes()
// reads it without touching any document, and finish() decodes it into the document (or
// reports why not), on the document's thread.
//
// A regular file is read up to its size; pipes and devices, which have none, up to a bound.
// Past either the read fails with "Unexpected file format.".
class DocumentOpening {
public:
    DocumentOpening(const ContractDocument& doc, const QString& path);
    ~DocumentOpening();
    DocumentOpening(const DocumentOpening&) = delete;
    DocumentOpening& operator=(const DocumentOpening&) = delete;

    // False when the open already ended (the file is the open document, or it could not be
    // opened); finish() then says how.
    bool needsReading() const { return !m_outcome.has_value(); }
    const QString& absolutePath() const { return m_absolute; }
    // The size of a regular file; 0 when the file does not say.
    std::int64_t expectedSize() const { return m_expectedSize; }

    // Reads every byte. Safe on any thread. Counts the bytes read so far in `bytesRead`, and
    // stops soon after `cancel` turns true, even while a pipe has nothing to read.
    void readBytes(const std::atomic<bool>& cancel, std::atomic<std::int64_t>& bytesRead);

    OpenResult finish(ContractDocument& doc);

private:
    struct Buffer;

    QString m_absolute;
    std::optional<OpenResult> m_outcome;
    Descriptor m_file;
    bool m_regular = false;
    std::int64_t m_expectedSize = 0;
    std::unique_ptr<Buffer> m_buffer;
    bool m_read = false;
    int m_readError = 0;
    bool m_tooLong = false;
    bool m_outOfMemory = false;
    bool m_cancelled = false;
};

struct SaveResult {
    bool ok = true;
    QString message;
};

// Writes `doc` to `path` through a temporary file in the same folder that replaces the target
// only once everything is written and flushed. On success the document takes the absolute path
// and the file name as title. On failure the old file is untouched and nothing else changes.
SaveResult saveDocumentFile(ContractDocument& doc, const QString& path);

// True when Save must ask for a name: no path, or the file is read-only or no longer exists.
bool saveNeedsName(const ContractDocument& doc);

// The name the Save As dialog proposes: the path, or the title cut at the first of
// " #%;/\" with ".DID" appended ("Untitled.DID").
QString proposedSaveName(const ContractDocument& doc);

// A name typed without an extension gets "DID" ("offers" -> "offers.DID").
QString withDefaultExtension(const QString& path);
