#pragma once
// The framed site: a frameset page in the root folder whose left frame shows
// a folder list and whose right frame shows, for each folder, that folder's
// files.
//
// framed_site_build writes the frameset page from the frameset script (the
// literal text of the page, not a sectioned script: its empty title element is
// filled in and the sources of its first two frames name the two frame pages),
// then runs two ordinary builds on the generator with changed settings: the
// left frame page once in the root folder, and a right frame page in every
// folder of the branch.
//
// State left behind in the settings (the caller may rely on it):
// `output_filename` is the right frame's source, `recursive_build`,
// `recursive_build_single_file`, `build_framed_site` and `reload_script` are
// on, and the script holds the right frame script with /FOLDER_FILE_LINK set
// to the right frame's source. The generator's `last_output_path` is the
// frameset page.

#include <string>

#include "engine/build_progress.h"
#include "engine/html_generator.h"

namespace tabulon {

// Builds the framed site over `generator.settings`. Returns the number of
// pages written, the frameset page counting as one when it could be written.
// Returns 0 and writes nothing when `path` is empty, skipped or cannot be
// opened (the generator's `not_started` says why), when the frameset script
// cannot be read or is empty, or when it does not name two frame sources in
// double quotes (with `use_primary_script_always`: also two frame names after
// "<frameset"). A frameset page that cannot be written goes into the
// generator's `failed_pages`; the frame pages are still built.
int framed_site_build(html_generator& generator, build_progress* progress,
                      std::wstring frameset_file, std::wstring left_frame_file,
                      std::wstring right_frame_file);

// The parts of a frameset text that the build reads, for tests and callers.
struct frameset_sources {
  bool ok = false;           // both sources (and the target name, when asked for) were found
  std::wstring left;         // source of the first frame
  std::wstring right;        // source of the second frame
  std::wstring target_name;  // name of the second frame, when asked for
};

// Lower-cases every "SRC=" of `text` and reads the two frame sources; with
// `want_target_name`, also lower-cases "<FRAME" and, from "<frameset" on,
// "NAME=", and reads the second frame's name. A value must stand in double
// quotes, be non-empty and name a file in the same folder (no separator).
frameset_sources read_frameset_sources(std::wstring& text, bool want_target_name);

}  // namespace tabulon
