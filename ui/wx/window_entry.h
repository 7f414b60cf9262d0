#pragma once
// The window's entry point for start-up: runs the toolkit over the
// application object until the main window closes.

#include "app/application.h"

namespace tabulon {

// Returns 0 after the window closed, 1 when no display could be opened
// (the line of kNoWindowLine is printed then).
int run_window(application& app);

}  // namespace tabulon
