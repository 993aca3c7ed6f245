#pragma once

#include <QString>
#include <cstddef>

// Writes `size` bytes to a temporary file beside `absolutePath` and renames it over the target
// once everything is on disk, so a reader never sees a half-written file. A symbolic link is
// followed to the file it names. Returns 0, or the errno that stopped the write; on failure the
// old file is untouched and no temporary file is left.
int ReplaceFileAtomically(const QString& absolutePath, const void* data, std::size_t size);
