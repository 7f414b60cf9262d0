#pragma once
// run_configured_build: runs the one build that the settings select, the
// entry point that batch mode and the window's Build command share.
//
// Modes: one file per folder, all links in one file, a single folder, and
// (with `build_framed_site` and `recursive_build` on) a framed site.

#include <string>

#include "app/build_settings.h"
#include "engine/build_progress.h"
#include "engine/html_generator.h"

namespace tabulon {

// Runs the build over `generator.settings` (which it may change and restores
// as the build driver describes). `observer` receives progress and may cancel;
// null runs without one (batch mode). Returns the number of pages written, or
// -1 when a framed build finds no frameset script (nothing is written).
// The written pages stay listed on the generator.
int run_configured_build(html_generator& generator, build_progress* observer);

// The same on a generator of its own. When no page was written, `reason`
// (if given) receives a one-line explanation.
int run_configured_build(build_settings& settings, build_progress* observer,
                         std::wstring* reason = nullptr);

}  // namespace tabulon
