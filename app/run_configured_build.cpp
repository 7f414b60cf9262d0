#include "app/run_configured_build.h"

#include <filesystem>
#include <system_error>

#include "base/wide_string.h"
#include "engine/framed_site.h"
#include "platform/native_path.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

// Ok when the frameset script is a file; else why the framed build cannot start.
status find_frameset_script(const std::wstring& name, const std::wstring& program_folder) {
  const std::wstring frameset = resolve_in_program_folder(name, program_folder);
  std::error_code error;
  if (std::filesystem::is_regular_file(to_fs_path(frameset), error)) return status();
  const std::wstring reason =
      error ? utf8_to_wide(error.message()) : std::wstring(L"it is not a file");
  return status::error(L"read the frameset script", frameset, L"", reason);
}

build_result result_of(const html_generator& generator, const build_progress* observer) {
  build_result result;
  result.written_files = generator.written_files;
  result.failed_pages = generator.failed_pages;
  result.cancelled = observer && observer->cancelled;
  result.not_started = generator.not_started;
  return result;
}

}  // namespace

build_result run_configured_build(html_generator& generator, build_progress* observer) {
  build_settings& s = *generator.settings;
  if (s.build_framed_site && s.recursive_build) {
    if (status found = find_frameset_script(s.frameset_file, s.program_folder); !found) {
      build_result result;
      result.not_started = std::move(found);
      return result;
    }
    framed_site_build(generator, observer, s.frameset_file, s.left_frame_file, s.right_frame_file);
  } else if (s.recursive_build && s.recursive_build_single_file) {
    generator.build_from_root(observer);
  } else {
    // Folder anchors need the folders sorted first.
    if (s.recursive_build && !s.sort_folders_first) s.folder_anchors = 0;
    generator.build(observer);
  }
  return result_of(generator, observer);
}

build_result run_configured_build(build_settings& settings, build_progress* observer) {
  html_generator generator(settings);
  return run_configured_build(generator, observer);
}

}  // namespace tabulon
