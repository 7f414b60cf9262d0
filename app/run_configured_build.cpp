#include "app/run_configured_build.h"

#include <filesystem>

#include "base/wide_string.h"
#include "engine/framed_site.h"
#include "engine/page_paths.h"
#include "platform/dir_enum.h"
#include "platform/path_rules.h"

namespace tabulon {

int run_configured_build(html_generator& generator, build_progress* observer) {
  build_settings& s = *generator.settings;
  if (s.build_framed_site && s.recursive_build) {
    const std::wstring frameset = resolve_in_program_folder(s.frameset_file, s.program_folder);
    if (!std::filesystem::is_regular_file(to_native(frameset))) return -1;
    return framed_site_build(generator, observer, s.frameset_file, s.left_frame_file,
                             s.right_frame_file);
  }
  if (s.recursive_build && s.recursive_build_single_file)
    return generator.build_from_root(observer);
  // Folder anchors need the folders sorted first.
  if (s.recursive_build && !s.sort_folders_first) s.folder_anchors = 0;
  return generator.build(observer);
}

int run_configured_build(build_settings& settings, build_progress* observer, std::wstring* reason) {
  html_generator generator(settings);
  const int count = run_configured_build(generator, observer);
  if (count > 0 || !reason) return count < 0 ? 0 : count;

  if (count < 0) {
    *reason = L"the frameset script \"" + settings.frameset_file + L"\" was not found";
  } else if (settings.path.empty()) {
    *reason = L"no root folder is set";
  } else if (open_folder root; !root.open(settings.path)) {
    *reason = L"the root folder \"" + settings.path + L"\" does not exist or cannot be read";
  } else if (generator.folder_is_skipped(settings.path)) {
    *reason = L"the root folder \"" + settings.path + L"\" is excluded by skip_folders";
  } else if (!generator.last_error.empty()) {
    *reason = generator.last_error;
  } else {
    *reason = L"no matching files or folders were found in \"" + settings.path + L"\"";
  }
  return 0;
}

}  // namespace tabulon
