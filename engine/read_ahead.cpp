#include "engine/read_ahead.h"

#include "base/wide_string.h"
#include "engine/folder_skip.h"
#include "engine/wildcard.h"

namespace tabulon {

std::unique_ptr<folder_reader_pool> start_read_ahead(
    const build_settings& settings, const std::wstring& top, const dir_listing* top_listing,
    int32_t top_depth, std::vector<std::wstring> included_folders, bool probe_subfolders) {
  // The rule runs on the workers while the build changes other settings, so
  // it keeps copies of what it reads.
  auto skip = std::make_shared<build_settings>();
  skip->skip_folders = settings.skip_folders;
  skip->program_folder = settings.program_folder;
  const int32_t max_depth = settings.max_search_depth2;
  auto rule = [skip, max_depth, top_depth, patterns = std::move(included_folders)](
                  const std::wstring& path, int level) {
    // The walk enters a folder below one whose depth counter is within the limit.
    if (max_depth != 0 && top_depth + level > max_depth) return false;
    if (!patterns.empty()) {
      const std::wstring upper = upper_ascii(path);
      bool matched = false;
      for (const std::wstring& pattern : patterns) {
        if (wildcard_match(pattern, upper)) {
          matched = true;
          break;
        }
      }
      if (!matched) return false;
    }
    return !folder_is_skipped(*skip, path);
  };
  folder_reader_pool::options opts;
  opts.probe_subfolders = probe_subfolders;
  return std::make_unique<folder_reader_pool>(top, top_listing, std::move(rule), opts);
}

dir_listing read_listing(folder_reader_pool* pool, const open_folder& dir,
                         const std::wstring& path) {
  if (pool) {
    std::optional<folder_read> read = pool->take(path);
    if (read && read->identity == dir.identity()) return std::move(read->listing);
  }
  return dir.read_entries();
}

bool can_enter(folder_reader_pool* pool, const open_folder& dir, std::wstring_view name,
               const std::wstring& path) {
  if (pool) {
    if (const std::optional<bool> opened = pool->could_open(path)) return *opened;
  }
  open_folder probe;
  return probe.open_child(dir, name, path);
}

}  // namespace tabulon
