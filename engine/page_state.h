#pragma once
// Internal to page assembly (engine/page_*.cpp): the working state of the one
// page html_generator::write_page is building, and the steps that share it.
// Nothing outside page assembly and its tests includes this header.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/build_settings.h"
#include "engine/anchor_table.h"
#include "engine/file_entry.h"
#include "engine/html_generator.h"
#include "engine/page_output.h"

namespace tabulon {

// Which column of the page placeholder table a section takes its values from.
enum class page_section_kind { title, head, start, other };

struct page_state {
  page_state(html_generator& generator, const std::wstring& page_folder);

  html_generator& gen;
  page_assembly& assembly;  // the generator's, which only page assembly and the driver touch
  build_settings& s;
  const std::wstring folder;  // the page folder, a full path

  // Working values of the page placeholders.
  std::wstring root_prefix;
  std::wstring display_path;   // `path` as shown
  std::wstring start_path;     // display path in text form, for /START
  std::wstring folder_plain;   // the folder's own name
  std::wstring folder_link;    // the folder's own name in link form
  std::wstring relative_path;  // `path` below `recursion_root`
  std::wstring day, month_name, month_number, year, time_text;
  std::wstring date_no_time, date_with_time;

  int32_t folder_count = 0;
  int32_t file_count = 0;
  uint64_t total_size = 0;
  bool folder_table_written = false;
  bool grouped = false;           // folder sections with subsection rows
  int32_t kept_file_columns = 0;  // `file_columns2` before the page
  int32_t file_columns_c = 0;     // effective file columns c
  int32_t file_columns_w = 0;     // cell columns w
  int32_t current_columns = 0;    // column count of the table written last, for "%%COLUMNS%"

  std::vector<recorded_folder> recorded;  // subsection rows, for the anchor table
  page_output out;                        // finished parts of the page, encoded

  // Moves `assembly.page_text` into `out` (the page is never held whole as wide text).
  void flush_text();
  bool cancelled() const { return gen.progress && gen.progress->cancelled; }
};

// Expands the page placeholders of a page-level section. `columns` is the
// count for "%%COLUMNS%" (negative: the count of the table written last). `include_files` expands
// "%%FILE" markers (in /HEAD right after "%%ROOT_FOLDER%", elsewhere last).
std::wstring expand_page_section(page_state& page, std::wstring_view text, page_section_kind kind,
                                 int32_t columns, bool include_files);

// The pieces of a page, in writing order. Each appends to assembly.page_text.
void compute_page_values(page_state& page);
void write_head(page_state& page);
void write_folder_table(page_state& page);  // with /BEFORE_ANCHORS and the anchor marker
// Scans, sorts and writes the file table; false when the page was cancelled.
bool write_file_table(page_state& page);
// The file table of `list`, already scanned, sorted and arranged in columns:
// the part of write_file_table that needs no folder. False when cancelled.
bool write_file_rows(page_state& page, entry_list& list);
void write_page_end(page_state& page);
// Puts the summary and the folder, file and size totals into the finished page.
void fill_in_totals(page_state& page);

// The section text of `id`, shortcut.
inline const std::wstring& section(const page_state& page, sec id) {
  return page.s.script[id];
}
// " " + section when the section is not empty, else nothing.
std::wstring spaced(const std::wstring& text);

}  // namespace tabulon
