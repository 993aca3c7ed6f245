#pragma once

#include <QString>
#include <chrono>
#include <cstddef>
#include <optional>

#include "storage/FileIdentity.h"

// What replaceFileAtomically() returns when the target is the file it must keep.
constexpr int kTargetIsKeptFile = -1;

// Writes `size` bytes to a temporary file beside the target and renames it over the target once
// everything is on disk, so a reader never sees a half-written file. Returns 0, or the errno that
// stopped the write; on failure the old file is untouched and no temporary file is left.
//
// The path means what it means to the kernel. The target's folder is held open, and a symbolic
// link as the last name is followed by hand to the folder and name it leads to (a link to no
// file makes the file it names); the file found there is the one checked, and the rename replaces
// that very name in that very folder, never a file that a link swapped in meanwhile names. When
// the file found is `keep` (the open document, say), nothing is written and the result is
// kTargetIsKeptFile.
//
// An existing target that the user may not write is refused (EACCES), as writing into it would
// be. The new file keeps the old one's permission bits and, where the user may give them, its
// owner and group. The temporary file gets a name only once it is complete (O_TMPFILE), so a save
// that is killed leaves nothing behind; where the file system cannot do that, a named one is
// used, and later saves into the folder remove those that killed saves left.
int replaceFileAtomically(const QString& path, const void* data, std::size_t size,
                          std::optional<FileIdentity> keep = std::nullopt);

// Removes from `folder` what killed saves left: files named as the save names its temporaries,
// owned by the user, last written at least `minimumAge` ago and not held by a running save.
void removeStaleSaveTemporaries(const QString& folder, std::chrono::seconds minimumAge);
