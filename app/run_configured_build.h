#pragma once
// run_configured_build: runs the one build that the settings select, the
// entry point that batch mode and the window's Build command share.
//
// Modes: one file per folder, all links in one file, a single folder, and
// (with `build_framed_site` and `recursive_build` on) a framed site.

#include "base/build_settings.h"
#include "engine/build_progress.h"
#include "engine/build_result.h"
#include "engine/html_generator.h"

namespace tabulon {

// Runs the build over `generator.settings` (which it may change and restores
// as the build driver describes). `observer` receives progress and may cancel;
// null runs without one (batch mode). Returns what the build did: the pages
// written and those that could not be written, whether it was cancelled,
// and, when it tried no page at all, why (a framed build whose frameset
// script is missing writes nothing). The written pages stay listed on the
// generator as well.
build_result run_configured_build(html_generator& generator, build_progress* observer);

// The same on a generator of its own.
build_result run_configured_build(build_settings& settings, build_progress* observer);

}  // namespace tabulon
