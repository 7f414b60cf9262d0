#pragma once
// Replacing a file's contents whole: the way page files reach the disk.
//
// The new bytes are first compared with the file that is there. When they
// are equal the file is not touched at all, so its modification time stays
// and whatever watches it (backups, mirroring, HTTP caches) sees no change.
// Otherwise the bytes go to a temporary file in the same folder (its name
// begins with ".", so no listing of the folder shows it), which is then
// renamed over the old file: a reader sees either the old file or the new
// one, never a part, and a crash or a full disk leaves the old file whole.
// The permission bits of an existing file are kept; a new file gets the
// bits a plain create would give it. A link to a file is followed, so the
// file it points at is replaced and the link stays.

#include <span>
#include <string>

#include "base/status.h"
#include "platform/dir_enum.h"

namespace tabulon {

struct replace_result {
  status result;           // ok, or why the file could not be replaced
  bool unchanged = false;  // the file already held exactly these bytes
};

// Makes the file `path` hold `chunks`, one after another. On failure the
// status names `path` and the system's reason ("cannot open PATH for
// writing: Permission denied"); the old file, if any, is left as it was.
// `folder`, when given, is the folder that holds `path`, already open: the
// file and its temporary are then reached relative to it, which spares the
// system looking up every folder of the path on each call.
replace_result replace_file(const std::wstring& path, std::span<const std::string> chunks,
                            const open_folder* folder = nullptr);

}  // namespace tabulon
