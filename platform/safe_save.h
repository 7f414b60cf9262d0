#pragma once
// safe_save: replaces a file as a whole, so that an interrupted save never
// leaves a truncated file behind. The new contents go to a temporary file
// beside the target, which is then renamed over it. A link is followed, so
// the file it names is replaced and the link stays; an existing file keeps
// its permissions.

#include <functional>
#include <string>

#include "base/status.h"

namespace tabulon {

// Calls `write` with the path of the temporary file to fill, then renames it
// over `path`. Returns the status `write` returned when it failed (the
// temporary file is removed), the failed rename's status, or ok.
status save_through_temporary(const std::wstring& path,
                              const std::function<status(const std::wstring& temporary)>& write);

}  // namespace tabulon
