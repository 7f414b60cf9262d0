#pragma once
// The window as a module of its own: the program loads the toolkit only when
// it opens the window, so a build from the command line starts quickly and
// small. The module is "tabulon-window.so" beside the executable (a build
// folder) or in lib/tabulon/ beside the executable's folder (an installed
// copy), and has one entry point, kWindowEntry.

#include <string>
#include <vector>

#include "app/application.h"

namespace tabulon {

// The function the module exports: runs the window over `app` and returns
// the exit status, as run_window does.
inline constexpr const char* kWindowEntry = "tabulon_run_window";
using window_entry_function = int (*)(application* app);

// Where the module may be, in the order tried.
std::vector<std::wstring> window_module_candidates(const std::wstring& program_folder);

// A window_runner: loads the module and runs the window from it. When the
// module cannot be found or loaded, says so on standard error (with the file
// and the system's reason) and returns 1.
int run_window_module(application& app);

}  // namespace tabulon
