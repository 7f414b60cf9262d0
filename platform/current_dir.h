#pragma once
// The process's current directory.

#include <string>
#include <string_view>

namespace tabulon {

// The current directory as a full path without a trailing separator (except
// for the root, "/"); any length. Empty when the system cannot tell.
std::wstring current_directory();

// Makes `path` the current directory; false when the system refuses.
bool set_current_directory(std::wstring_view path);

}  // namespace tabulon
