#pragma once
// scan_context: what the folder scan needs from the build engine for one page.
// html_generator owns one and refreshes it before every page; the scanner
// (engine/scan.h) reads it and fills in `base_folder` on its first folder of
// an all-links-in-one-file build.
//
// The scan's cursor is the folder passed to it explicitly; nothing here
// depends on the process's current directory.

#include <string>
#include <vector>

#include "base/build_settings.h"
#include "engine/build_progress.h"
#include "platform/dir_enum.h"
#include "platform/folder_reader_pool.h"

namespace tabulon {

struct scan_context {
  build_settings* settings = nullptr;  // not owned; the build's settings
  build_progress* progress = nullptr;  // not owned; may be null

  // Rebuilt for every page from the settings (split at ";").
  std::vector<std::wstring> include_patterns;          // upper-cased, "*" around plain items
  std::vector<std::wstring> exclude_patterns;          // `skip_files` items as typed
  std::vector<std::wstring> included_folder_patterns;  // `included_folders` items as typed

  bool all_in_one = false;   // recursive build with all links in one file
  std::wstring base_folder;  // first folder scanned by an all-in-one build; entry
                             // folder paths are made relative to it
  // The listing of `listed_folder` that the page's folder table has just
  // read; a scan of that same folder takes it instead of reading the folder
  // a second time. Set and cleared by page assembly around one page.
  std::wstring listed_folder;
  dir_listing listed_items;
  // Folders are read ahead of the scan on worker threads (engine/read_ahead.h);
  // the pages are the same either way. `reader` is the pool of the build
  // running now, if any (not owned).
  bool read_ahead = folder_reader_pool::enabled_by_environment();
  folder_reader_pool* reader = nullptr;
  std::wstring root_folder;  // the build's root folder as configured (before the
                             // per-folder walk changes `path`); the root rule of
                             // included folders compares against it
};

}  // namespace tabulon
