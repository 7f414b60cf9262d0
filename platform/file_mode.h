#pragma once
// Permission bits of a file: making a written script runnable.

#include <string_view>

namespace tabulon {

// Lets everyone who may read the file `path` also run it (on POSIX the execute
// bits follow the read bits; on Windows nothing needs doing). False when the
// file's mode cannot be read or changed.
bool make_executable(std::wstring_view path);

}  // namespace tabulon
