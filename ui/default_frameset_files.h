#pragma once
// "&Default Frameset Files" of the Recursive page: the three frame scripts
// shipped in the Scripts folder, the frameset in its XHTML form when the
// document type is an XHTML one.

#include "base/build_settings.h"
#include "platform/path_rules.h"

namespace tabulon {

// Sets `frameset_file`, `left_frame_file` and `right_frame_file`, named
// relative to the program folder with the separator of `style`.
void set_default_frameset_files(build_settings& settings, path_style style = native_path_style());

}  // namespace tabulon
