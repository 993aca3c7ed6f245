#pragma once

#include <QByteArray>
#include <QString>

// Writes an exported file (a PDF, a CSV, a picture) at `path`, replacing what is there only once
// every byte is written. A path that is `openDocument` itself, by its name or through a link, is
// refused, also where a link is changed to lead to it while the export runs: an export never
// destroys the document it was made from. Returns the message for the user when the file was
// not written, else an empty text.
QString writeExportFile(const QString& path, const QByteArray& bytes, const QString& openDocument);

// The same check alone, for callers that must refuse before doing the work.
QString refuseOpenDocument(const QString& path, const QString& openDocument);
