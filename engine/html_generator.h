#pragma once
// html_generator: the build engine. One instance is made over the settings
// record for one build and thrown away afterwards. It picks the build mode
// from the settings, walks the folders, and writes every page through
// write_page (the page assembly in engine/page_*.cpp).
//
// Results of a build stay on the object: `written_files` (full paths, in
// writing order), `failed_pages` (each page file that could not be written,
// with the status of the call that failed), `not_started`, `last_output_path`
// and `pages_written`. A page that cannot be written never stops the build.
//
// During a build the settings fields `path`, `title`, `include_subfolders`,
// `supress_parent_link` and `folder_link_target` change and are put back at
// the end; `custom_html_filename` keeps its resolved form, and page assembly
// leaves the clamped column counts, a `doctype` changed by the script and the
// date values of the last page behind.
//
// The engine never prints and never changes the process's current directory:
// the folder being worked on is passed explicitly.

#include <cstdint>
#include <string>
#include <vector>

#include "base/build_settings.h"
#include "base/status.h"
#include "engine/build_progress.h"
#include "engine/page_assembly.h"
#include "engine/scan_context.h"
#include "platform/dir_enum.h"

namespace tabulon {

class html_generator {
 public:
  explicit html_generator(build_settings& settings);
  virtual ~html_generator();
  html_generator(const html_generator&) = delete;
  html_generator& operator=(const html_generator&) = delete;

  // Runs the build the settings select (single folder, all links in one
  // file, one file per folder). Returns the number of pages written; 0 when
  // `path` is empty, skipped or cannot be opened (`not_started` says which),
  // or nothing could be written.
  int build(build_progress* observer);
  // Copies `path` into the settings' `recursion_root` first, then build().
  int build_from_root(build_progress* observer);
  // build() with the first page it assembles written as a frame page: that
  // page's folder is not read for subfolders, and the page is written even
  // when it lists nothing.
  int build_with_frame_page(build_progress* observer);

  // Writes the page of `folder` (in the all-links-in-one-file mode: of the
  // whole branch below it). True when a page file was written; false when the
  // page was skipped, had nothing to list, was cancelled or its file could
  // not be written (then added to `failed_pages`).
  bool write_page(const std::wstring& folder);

  // Ok when a build of `path` can start; else why not: no root folder, a
  // root that `skip_folders` excludes, or one that cannot be opened.
  status check_root() const;

  // True when `folder` (a full path) is excluded by `skip_folders`.
  bool folder_is_skipped(const std::wstring& folder) const;

  // Results.
  std::vector<std::wstring> written_files;
  std::wstring last_output_path;
  int32_t pages_written = 0;
  std::vector<status> failed_pages;  // page files that could not be written, in build order
  status not_started;                // why the last build() tried no page at all; ok when it did

  build_progress* progress = nullptr;  // not owned; may be null
  build_settings* settings;            // not owned

  // The filter pattern lists (rebuilt for every page), the all-in-one flag
  // and the base folder, handed to the folder scan.
  scan_context scan;

  std::wstring folder_link_file;  // one file per folder: page name folder links point at
  bool all_in_one = false;        // recursive, all links in one file
  bool one_per_folder = false;    // recursive, one file per folder
  std::wstring start_folder;      // `path` when the build started

 private:
  // The state of the page being assembled, its caches and one-shot flags:
  // set here by the build driver, read and cleared by page assembly
  // (engine/page_*.cpp), which reaches it through its page_state.
  friend struct page_state;
  page_assembly assembly;

  void walk_branch(int& depth);
  void note_page_folder_changed(const open_folder& here);
  std::vector<folder_identity> walk_path_;  // folders on the walk's path, against link cycles
  void set_walk_title(const std::wstring& folder, const std::wstring& root);
};

}  // namespace tabulon
