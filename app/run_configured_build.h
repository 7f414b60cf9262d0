#pragma once
// run_configured_build: runs the one build that the settings select, the
// entry point that batch mode and the window's Build command share.
//
// The body is a placeholder that writes nothing: page assembly replaces it
// with the build on an html_generator (single folder, all links in one file,
// one file per folder or a framed site).

#include <string>

#include "app/build_settings.h"
#include "engine/build_progress.h"

namespace tabulon {

// Runs the build over `settings` (which it may change and restores as the
// build driver describes). `observer` receives progress and may cancel; null
// runs without one (batch mode). Returns the number of pages written; when it
// is 0, `reason` (if given) receives a one-line explanation.
int run_configured_build(build_settings& settings, build_progress* observer,
                         std::wstring* reason = nullptr);

}  // namespace tabulon
