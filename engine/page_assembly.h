#pragma once
// page_assembly: what html_generator keeps between the steps of writing one
// page and from one page to the next: the unfinished page text, the caches
// that spare reading a folder or a script twice, and the one-shot flags the
// build driver sets for the next page. Page assembly (engine/page_*.cpp)
// reads and clears it; the build driver sets the flags and hands over the
// open folder. Nothing here is a build input or a result.

#include <cstdint>
#include <string>
#include <vector>

#include "base/script_template.h"
#include "engine/date_format.h"
#include "platform/dir_enum.h"
#include "platform/file_stamp.h"

namespace tabulon {

struct page_assembly {
  std::wstring page_text;      // the page being assembled (its unfinished part)
  date_cell_cache date_cells;  // date and time cells of file rows, across pages

  // The subfolders that the last page's folder table found enterable (before
  // the skip filter), so the per-folder walk need not read the folder again.
  std::wstring subfolders_of;
  std::vector<std::wstring> subfolders;

  // The per-folder walk's open folder of the page being written (null
  // otherwise), so that the folder table need not open it again.
  const open_folder* page_dir = nullptr;
  std::wstring page_dir_path;
  // Its listing, when the walk already holds it (read ahead); the folder
  // table takes it (and leaves null), otherwise the walk uses it itself.
  dir_listing* page_listing = nullptr;

  // The build's script as last read, so that pages need not read and parse
  // the same file again (engine/page_summary.cpp decides when it may be used).
  struct script_cache {
    bool usable = false;
    std::wstring name;
    file_stamp stamp;  // of the file when it was read
    script_template script;
  };
  script_cache cached_script;

  // One-shot flags read and cleared by write_page.
  bool skip_next_page = false;  // write no page for the next folder
  bool framed_page = false;     // frame page: no subfolder scan, written even when empty
};

}  // namespace tabulon
