#pragma once

#include <QString>

class CRodeDoc;

// The open and save sequences. They return what happened and the product's message instead of
// showing it; the window shows the message, the command line prints it.

enum class OpenStatus {
    Opened,       // read (or a 0-byte file taken as is); path, title and recent list may change
    AlreadyOpen,  // the document's own path: nothing was read
    Failed,       // message says why; see `documentReset`
};

struct OpenResult {
    OpenStatus status = OpenStatus::Opened;
    QString message;
    bool documentReset = false;  // the read failed after it began: the document was reset
};

// Opens `path` into `doc`. The path is made absolute first. On success the document takes the
// absolute path and its file name as title and is left unmodified.
OpenResult OpenDocumentFile(CRodeDoc& doc, const QString& path);

struct SaveResult {
    bool ok = true;
    QString message;
};

// Writes `doc` to `path` through a temporary file in the same folder that replaces the target
// only once everything is written and flushed. On success the document takes the absolute path
// and the file name as title. On failure the old file is untouched and nothing else changes.
SaveResult SaveDocumentFile(CRodeDoc& doc, const QString& path);

// True when Save must ask for a name: no path, or the file is read-only or no longer exists.
bool SaveNeedsName(const CRodeDoc& doc);

// The name the Save As dialog proposes: the path, or the title cut at the first of
// " #%;/\" with ".DID" appended ("Untitled.DID").
QString ProposedSaveName(const CRodeDoc& doc);

// A name typed without an extension gets "DID" ("offers" -> "offers.DID").
QString WithDefaultExtension(const QString& path);
