// The end of a page (summary, /END, closing tags) and write_page itself:
// preparation, the pieces in order, the final replacements and the file.
#include <optional>

#include "base/text_file.h"
#include "base/wide_string.h"
#include "engine/anchor_table.h"
#include "engine/date_format.h"
#include "engine/page_paths.h"
#include "engine/page_state.h"
#include "engine/pattern_list.h"
#include "engine/placeholder_names.h"
#include "engine/script_loader.h"
#include "engine/size_format.h"
#include "engine/summary_format.h"
#include "platform/file_stamp.h"
#include "platform/native_path.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

// Loads the build's script again, as every page does. A script that draws
// random colours is read anew each time; any other is read once per build and
// copied from then on, for as long as its file stays the same.
void reload_script(page_state& page) {
  build_settings& s = page.s;
  page_assembly::script_cache& cache = page.assembly.cached_script;
  const std::wstring file = resolve_in_program_folder(s.custom_html_filename, s.program_folder);
  const std::optional<file_stamp> stamp = stamp_of(file);
  const bool readable = stamp && !s.custom_html_filename.empty();
  if (readable && cache.usable && cache.name == s.custom_html_filename && cache.stamp == *stamp) {
    s.script = cache.script;
    return;
  }
  load_script(s.script, s.custom_html_filename, s.program_folder);
  cache.usable = false;
  if (!readable) return;
  std::wstring text;
  if (!read_whole_file(file, text) || text.find(placeholder::random_color) != std::wstring::npos)
    return;
  cache.name = s.custom_html_filename;
  cache.stamp = *stamp;
  cache.script = s.script;
  cache.usable = true;
}

// Steps that come before any text of the page.
void prepare_page(page_state& page) {
  html_generator& gen = page.gen;
  build_settings& s = page.s;

  gen.last_output_path.clear();
  auto clamp = [](int32_t& columns) {
    if (columns >= 21) columns = 20;
    if (columns < 1) columns = 1;  // a count of 0 would leave every row unfinished
  };
  clamp(s.file_columns2);
  clamp(s.folder_columns2);
  clamp(s.anchor_columns2);

  if (s.reload_script) {
    reload_script(page);
    apply_file_table_elements(s.script, s.use_file_table_script_elements != 0);
  }
  const std::wstring& anchor = s.script[sec::anchor];
  if (!anchor.empty() && (anchor.find(placeholder::anchor_total_size) != std::wstring::npos ||
                          anchor.find(placeholder::anchor_total_files) != std::wstring::npos))
    s.anchor_totals_needed = 1;

  const std::wstring& doctype = s.script[sec::doctype];
  const bool xhtml_code = s.doctype == doctype_xhtml_transitional ||
                          s.doctype == doctype_xhtml_strict || s.doctype == doctype_html_5;
  if (doctype.find(L"XHTML") != std::wstring::npos) {
    if (!xhtml_code) s.doctype = doctype_xhtml_transitional;
  } else if (doctype.find(L" HTML") != std::wstring::npos && xhtml_code) {
    s.doctype = doctype_html_strict;
  }

  if (!gen.folder_link_file.empty()) {
    s.script[sec::folder_file_link] = gen.folder_link_file;
    s.folder_link_target = gen.folder_link_file;
  }
  rebuild_pattern_lists(gen.scan);
  page.assembly.page_text.clear();
}

}  // namespace

void write_page_end(page_state& page) {
  build_settings& s = page.s;
  std::wstring& t = page.assembly.page_text;
  t += expand_page_section(page, s.script[sec::before_summary], page_section_kind::other, -1, true);
  s.file_columns2 = page.kept_file_columns;
  if (s.include_summary) t += placeholder::summary;
  if (build_progress* progress = page.gen.progress) {
    progress->phase = phase_writing_rows;
    progress->rows_done = progress->rows_total;
    notify(*progress);
  }
  t += expand_page_section(page, s.script[sec::end], page_section_kind::other, -1, true);
  t += L"\n\n</body>\n</html>";
}

void fill_in_totals(page_state& page) {
  const build_settings& s = page.s;
  if (page.out.contains(placeholder::summary))
    page.out.replace_all(placeholder::summary,
                         format_summary(s, page.folder_count, page.file_count,
                                        static_cast<int64_t>(page.total_size)));
  page.out.replace_all(placeholder::total_files,
                       group_digits(s, std::to_wstring(page.file_count), false));
  page.out.replace_all(placeholder::total_folders,
                       group_digits(s, std::to_wstring(page.folder_count), false));
  page.out.replace_all(placeholder::total_file_size,
                       format_size_cell(s, static_cast<int64_t>(page.total_size)));
}

bool html_generator::write_page(const std::wstring& page_folder) {
  if (assembly.skip_next_page) {
    assembly.skip_next_page = false;
    return false;
  }
  build_settings& s = *settings;
  page_state page(*this, page_folder);
  if (progress) {
    ++progress->pages;
    progress->rows_done = 0;
    progress->rows_total = 0;
  }
  scan.settings = settings;
  scan.progress = progress;
  scan.all_in_one = all_in_one;

  page.kept_file_columns = s.file_columns2;
  auto abandon = [&]() {
    assembly.page_text.clear();
    s.file_columns2 = page.kept_file_columns;
    assembly.framed_page = false;
    if (progress) progress->phase = phase_page_done;
    return false;
  };

  prepare_page(page);
  page.kept_file_columns = s.file_columns2;  // after the clamp, which stays
  // The page's bytes are produced in the encoding the prepared settings ask for.
  page.out = page_output(s.charset);
  compute_page_values(page);
  write_head(page);
  scan.listed_folder.clear();
  scan.listed_items.clear();
  write_folder_table(page);
  page.flush_text();
  const bool table_written = write_file_table(page);
  // A listing the scan did not take must not outlive this page.
  scan.listed_folder.clear();
  scan.listed_items.clear();
  if (!table_written) return abandon();
  write_page_end(page);
  page.flush_text();

  const bool has_content = page.file_count > 0 || page.folder_table_written || assembly.framed_page;
  if (!has_content) return abandon();

  anchor_table_request request;
  request.settings = settings;
  request.folders = &page.recorded;
  request.progress = progress;
  request.root_prefix = page.root_prefix;
  request.expand_page_section = [&page](const std::wstring& text, int32_t columns) {
    return expand_page_section(page, text, page_section_kind::other, columns, false);
  };
  const anchor_table_result anchors = build_anchor_table(request);
  if (anchors.cancelled) return abandon();
  page.out.replace_all(L"INSERT_FOLDER_ANCHORS", anchors.text);

  fill_in_totals(page);

  const std::wstring output = output_path_of(page_folder, s.output_filename, s.program_folder);
  assembly.framed_page = false;
  if (progress) progress->phase = phase_page_done;
  // The walk's open folder, when the page goes into it, spares the system
  // looking up the page's whole path on each call that writes it.
  const size_t cut = output.rfind(kPathSeparator);
  const open_folder* holder = assembly.page_dir && cut == assembly.page_dir_path.size() &&
                                      output.starts_with(assembly.page_dir_path)
                                  ? assembly.page_dir
                                  : nullptr;
  if (status written = page.out.write_to(output, holder); !written) {
    failed_pages.push_back(std::move(written));
    return false;
  }
  last_output_path = output;
  ++pages_written;
  written_files.push_back(output);
  return true;
}

}  // namespace tabulon
