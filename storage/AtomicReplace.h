#pragma once

#include <QString>
#include <chrono>
#include <cstddef>

// Writes `size` bytes to a temporary file beside `absolutePath` and renames it over the target
// once everything is on disk, so a reader never sees a half-written file. A symbolic link is
// followed to the file it names. Returns 0, or the errno that stopped the write; on failure the
// old file is untouched and no temporary file is left.
//
// An existing target that the user may not write is refused (EACCES), as writing into it would
// be. The new file keeps the old one's permission bits and, where the user may give them, its
// owner and group. The temporary file gets a name only once it is complete (O_TMPFILE), so a save
// that is killed leaves nothing behind; where the file system cannot do that, a named one is
// used, and later saves into the folder remove those that killed saves left.
int replaceFileAtomically(const QString& absolutePath, const void* data, std::size_t size);

// Removes from `folder` what killed saves left: files named as the save names its temporaries,
// owned by the user, last written at least `minimumAge` ago and not held by a running save.
void removeStaleSaveTemporaries(const QString& folder, std::chrono::seconds minimumAge);
