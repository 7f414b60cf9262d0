#pragma once
// The shell's "open" action: a document with the program the desktop
// associates with it, or a program started with a parameter string. The
// program runs detached; tabulon does not wait for it.

#include <string_view>

namespace tabulon {

// Opens `document` (xdg-open on POSIX). True when the opener could be started;
// whether it then succeeds is not known.
bool shell_open(std::wstring_view document);

// Starts `program` with `parameter` as its one argument (no quotes added or
// removed). True when the program could be started.
bool shell_open_with(std::wstring_view program, std::wstring_view parameter);

}  // namespace tabulon
