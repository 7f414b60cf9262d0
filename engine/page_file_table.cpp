// The file table of a page: scan, order, header rows, one cell group per
// file, the folder subsection rows of a grouped listing, and the table end.
#include <algorithm>
#include <string_view>

#include "base/wide_string.h"
#include "engine/anchor_ids.h"
#include "engine/column_arrange.h"
#include "engine/date_format.h"
#include "engine/link_target.h"
#include "engine/match_lookup.h"
#include "engine/page_paths.h"
#include "engine/page_state.h"
#include "engine/placeholder_names.h"
#include "engine/placeholders.h"
#include "engine/scan.h"
#include "engine/size_format.h"
#include "engine/sort.h"
#include "engine/summary_format.h"
#include "engine/text_convert.h"
#include "platform/path_rules.h"

namespace tabulon {

using namespace std::string_view_literals;

namespace {

constexpr size_t kEntriesPerChunk = 150;

bool is_closed_markup(int32_t doctype) {
  return doctype == doctype_xhtml_transitional || doctype == doctype_xhtml_strict ||
         doctype == doctype_html_5;
}

void replace(std::wstring& text, std::wstring_view from, std::wstring_view to) {
  if (text.find(from) != std::wstring::npos) replace_all(text, from, to);
}

class file_table_writer {
 public:
  file_table_writer(page_state& page, entry_list& list)
      : page_(page), s_(page.s), t_(page.assembly.page_text), list_(list) {}

  bool write();

 private:
  const std::wstring& sec_text(sec id) const { return s_.script[id]; }
  std::wstring matched(match_list which, const file_entry& e) const {
    return expand_file_placeholders(s_, match_code_lookup(s_.script[which], e.name_key), e,
                                    page_.gen.scan.root_folder, page_.root_prefix);
  }
  std::wstring entry_text(const std::wstring& text, const file_entry& e) const {
    if (text.empty()) return text;
    std::wstring result = text;
    include_files(s_, result, e, page_.gen.scan.root_folder);
    return expand_file_placeholders(s_, result, e, page_.gen.scan.root_folder, page_.root_prefix);
  }

  void write_colgroups();
  std::wstring header_row() const;
  void write_row_cells(size_t index, bool r, int32_t m);
  void write_empty_cells(bool r, int32_t from_cell, int32_t to_cell);
  void write_subsection_row(size_t index);
  std::wstring href_append(const file_entry& e) const;
  std::wstring visible_text(file_entry& e) const;
  void append_visible_text(file_entry& e);
  std::wstring row_open_[2];  // "<tr ...>" of the two row styles

  page_state& page_;
  build_settings& s_;
  std::wstring& t_;
  entry_list& list_;
  int32_t columns_ = 1;  // `file_columns2` for this page
  std::wstring link_base_;
  bool sections_mode_ = false;
  int subsection_rows_ = 0;
  bool override_used_ = false;
  bool has_file_matches_ = false;  // any of the file match lists holds a rule
  anchor_ids anchor_ids_;          // identifiers of the subsection rows written so far
  const entry_folder* link_folder_ = nullptr;
  std::wstring link_folder_text_;
};

void file_table_writer::write_colgroups() {
  if (sec_text(sec::colgroup_1).empty() && sec_text(sec::colgroup_2).empty()) return;
  const std::wstring empty_col = is_closed_markup(s_.doctype) ? L"<col />" : L"<col>";
  t_ += L"<colgroup>"sv;
  for (int32_t k = 1; k <= page_.file_columns_c; ++k) {
    const bool first_set = k % 2 == 1;
    std::wstring base = sec_text(first_set ? sec::colgroup_1 : sec::colgroup_2);
    if (base.empty()) base = empty_col;
    auto part = [&](sec one, sec two) {
      const std::wstring& text = sec_text(first_set ? one : two);
      return text.empty() ? base : text;
    };
    t_ += base;
    if (s_.include_filesize) t_ += part(sec::colgroup_size_1, sec::colgroup_size_2);
    if (s_.include_date) t_ += part(sec::colgroup_date_1, sec::colgroup_date_2);
    if (s_.include_time) t_ += part(sec::colgroup_time_1, sec::colgroup_time_2);
  }
  t_ += L"</colgroup>\n"sv;
}

std::wstring file_table_writer::header_row() const {
  const std::wstring td = spaced(sec_text(sec::file_header_td));
  std::wstring row = L"<tr" + spaced(sec_text(sec::sizedate_tr)) + L">";
  for (int32_t k = 0; k < columns_; ++k) {
    row += L"<th" + td + L">";
    if (!s_.suppress_visible_links) row += s_.filename_word;
    row += L"</th>";
    if (s_.include_filesize) row += L"<th" + td + L">" + s_.size_word + L"</th>";
    if (s_.include_date)
      row +=
          (s_.include_time ? L"<th colspan=\"2\"" : L"<th") + td + L">" + s_.date_word + L"</th>";
  }
  return row + L"</tr>\n";
}

std::wstring file_table_writer::href_append(const file_entry& e) const {
  std::wstring text = sec_text(sec::file_href_append);
  if (text.empty()) return text;
  std::wstring folder_of_entry = e.folder_path();
  replace(text, placeholder::fname, escape_amp(s_, e.name));
  replace(text, placeholder::folder, protect_markup(s_, s_.path, false));
  std::wstring relative = folder_of_entry;
  if (!s_.recursion_root.empty()) replace(relative, s_.recursion_root, L"");
  replace(text, placeholder::relative_path, protect_markup(s_, relative, false));
  replace(text, placeholder::no_ext_fname, stem_of(s_, e.name));
  std::wstring full = folder_of_entry;
  if (s_.full_pathname_links) full = give_drive_of_program_folder(full, s_.program_folder);
  full += e.name;
  replace(text, placeholder::f_path, protect_markup(s_, full, true));
  replace(text, placeholder::f, link_text_of(s_, e.name));
  return text;
}

std::wstring file_table_writer::visible_text(file_entry& e) const {
  std::wstring text(
      (s_.use_html_titles_for_links && e.link_title) ? std::wstring_view(*e.link_title) : e.name);
  if (sections_mode_ && !s_.sort_folders_first && s_.show_folder_names) {
    std::wstring where = e.folder_path();
    if (where != L"/") {
      if (!where.empty() && where.front() == L'/') where.erase(0, 1);
      text = where + text;
    }
  }
  if (s_.max_file_chars2 > 0) text = shorten_middle(text, s_.max_file_chars2);
  text = escape_amp(s_, text);
  return s_.replace_latin_chars ? latin_to_entities(s_, text) : text;
}

void file_table_writer::append_visible_text(file_entry& e) {
  const bool with_folder = sections_mode_ && !s_.sort_folders_first && s_.show_folder_names;
  if (with_folder || s_.max_file_chars2 > 0) {
    t_ += visible_text(e);
    return;
  }
  append_link_text(
      t_, s_,
      (s_.use_html_titles_for_links && e.link_title) ? std::wstring_view(*e.link_title) : e.name);
}

void file_table_writer::write_row_cells(size_t index, bool r, int32_t m) {
  file_entry& e = list_[index];
  auto add_spaced = [this](const std::wstring& text) {
    if (text.empty()) return;
    t_ += L' ';
    t_ += text;
  };
  t_ += L"<td"sv;
  add_spaced(sec_text(r ? sec::file_td2 : sec::file_td));
  if (m >= 2) add_spaced(sec_text(sec::td_filename_not_first_column));
  if (has_file_matches_) add_spaced(matched(match_list::file_matches_td, e));
  t_ += L'>';
  if (has_file_matches_) t_ += matched(match_list::file_matches_before_a, e);
  if (!sec_text(sec::pre_href_file).empty()) t_ += entry_text(sec_text(sec::pre_href_file), e);
  if (m >= 2) t_ += sec_text(sec::before_filename_not_first_column);

  t_ += s_.non_functional_links ? L"<a"sv : L"<a href=\""sv;
  const size_t target_start = t_.size();
  t_ += sec_text(sec::file_prefix).empty() ? sec_text(sec::folder_prefix)
                                           : sec_text(sec::file_prefix);

  ++page_.file_count;
  page_.total_size += static_cast<uint64_t>(e.size);
  build_progress* progress = page_.gen.progress;
  if (progress && progress->interval > 0 && page_.file_count % progress->interval == 0) {
    progress->rows_done += progress->interval;
    notify(*progress);
  }

  if (s_.full_pathname_links) {
    t_ += link_base_;
    if (!link_base_.empty() && link_base_.back() != L'/') t_ += L'/';
  }
  if (!s_.non_functional_links) {
    const size_t names_start = t_.size();
    if (sections_mode_) {
      // Entries of one folder share its link text.
      if (e.folder.get() != link_folder_) {
        link_folder_ = e.folder.get();
        std::wstring where = e.folder_path();
        if (!where.empty() && where.front() == L'/') where.erase(0, 1);
        link_folder_text_ = latin_to_url(s_, escape_href(s_, where));
      }
      t_ += link_folder_text_;
    }
    append_link_target(t_, s_, e.name);
    make_scheme_safe(t_, target_start, names_start);
    t_ += L'"';
  }
  if (!sec_text(sec::file_href_append).empty()) t_ += href_append(e);
  if (has_file_matches_) add_spaced(matched(match_list::file_matches_a, e));
  t_ += L'>';
  if (has_file_matches_) t_ += matched(match_list::file_matches_inside_a, e);
  if (!sec_text(sec::pre_fname_file).empty()) {
    std::wstring pre = sec_text(sec::pre_fname_file);
    expand_file_markers(s_, pre, page_.folder);
    t_ += pre;
  }

  if (s_.suppress_extensions) {
    const size_t dot = e.name.rfind(L'.');
    if (dot != std::wstring::npos) {
      if (e.link_title && *e.link_title == e.name) e.link_title->erase(dot);
      e.name = e.name.substr(0, dot);
    }
  }
  if (!s_.suppress_visible_links) {
    const auto& suppressed_rules = s_.script[match_list::file_matches_inside_a_suppressed];
    const std::wstring suppressed =
        suppressed_rules.empty() ? std::wstring() : match_code_lookup(suppressed_rules, e.name_key);
    if (!suppressed.empty())
      t_ += entry_text(suppressed, e);
    else
      append_visible_text(e);
  }
  if (!sec_text(sec::post_fname_file).empty()) t_ += entry_text(sec_text(sec::post_fname_file), e);
  t_ += L"</a>"sv;
  if (!s_.include_filesize && !s_.include_date) t_ += L"&nbsp;"sv;
  if (!sec_text(sec::post_href_file).empty()) t_ += entry_text(sec_text(sec::post_href_file), e);
  t_ += L"</td>"sv;

  // A right-aligned cell with the row's own style, or the shared size/date style.
  const auto open_right_cell = [&](sec own, sec own2) {
    const std::wstring& mine = sec_text(r ? own2 : own);
    const std::wstring& style =
        !mine.empty() ? mine : sec_text(r ? sec::size_date_td2 : sec::size_date_td);
    t_ += L"<td "sv;
    if (!style.empty()) {
      t_ += style;
      t_ += L' ';
    }
    t_ += L"align=\"right\">"sv;
  };
  if (s_.include_filesize) {
    open_right_cell(sec::size_td, sec::size_td2);
    append_size_cell(t_, s_, e.size);
    t_ += L"</td>"sv;
  }
  if (s_.include_date) {
    open_right_cell(sec::date_td, sec::date_td2);
    // The time cell's attributes were given to the cache by write().
    page_.assembly.date_cells.append(t_, s_, e.modified_time, r ? 1 : 0);
    t_ += L"</td>"sv;
  }
}

// Empty cell groups for the cells from `from_cell` to `to_cell` of a row.
void file_table_writer::write_empty_cells(bool r, int32_t from_cell, int32_t to_cell) {
  auto empty_cell = [&](sec one, sec two) {
    const std::wstring& style = sec_text(r ? two : one);
    t_ += style.empty() ? std::wstring(L"<td>") : L"<td " + style + L">";
    t_ += L"</td>"sv;
  };
  for (int32_t k = from_cell; k <= to_cell; ++k) {
    t_ += L"<td" + spaced(sec_text(r ? sec::file_td2 : sec::file_td)) +
          spaced(sec_text(sec::td_filename_not_first_column)) + L"></td>";
    if (s_.include_filesize) empty_cell(sec::size_date_td, sec::size_date_td2);
    if (s_.include_date) empty_cell(sec::date_td, sec::date_td2);
    if (s_.include_time) empty_cell(sec::time_td, sec::time_td2);
  }
}

// The row that opens the subsection of the folder of entry `index`.
void file_table_writer::write_subsection_row(size_t index) {
  const file_entry& e = list_[index];
  // The folder below the scan's top folder, without its outer separators;
  // empty for the top folder itself, whose row gets the identifier "ID_".
  std::wstring folder_text = e.folder_path();
  if (!folder_text.empty() && folder_text.front() == L'/') folder_text.erase(0, 1);
  if (!folder_text.empty() && folder_text.back() == L'/') folder_text.pop_back();

  std::wstring id = folder_text;
  replace(id, L"&", L"and");
  replace(id, L"#", L"3");
  id = latin_to_entities(s_, id);
  for (wchar_t& c : id) {
    switch (c) {
      case L' ':
      case L'(':
      case L')':
      case L'{':
      case L'}':
      case L',':
      case L'\'':
      case L'+':
      case L'%':
        c = L'_';
        break;
      case L'/':
        c = L'-';
        break;
      default:
        break;
    }
  }
  id = latin_to_url(s_, escape_href(s_, L"ID" + id));
  replace(id, L"&", L"and");
  replace(id, L";", L"semi");
  replace(id, L"#", L"23");

  const bool top = id == L"ID";
  std::wstring shown = folder_text;
  if (top) {
    id = L"ID_";
    shown = expand_title(s_, s_.root_anchor_word);
  }
  id = anchor_ids_.claim(id);

  std::wstring count_text;
  const std::wstring size_text = folder_group_totals(s_, list_, index, count_text);
  auto totals = [&](std::wstring text) {
    replace(text, placeholder::anchor_total_size, size_text);
    replace(text, placeholder::anchor_total_files, count_text);
    return text;
  };

  const bool first = subsection_rows_ == 0;
  ++subsection_rows_;
  if (!sec_text(sec::anchor_before).empty()) {
    std::wstring before = totals(sec_text(sec::anchor_before));
    expand_file_markers(s_, before, page_.folder);
    t_ += before;
  }
  const int32_t k = static_cast<int32_t>(std::min<size_t>(list_.size() - index, columns_));
  int32_t q = 1 + (s_.include_filesize ? 1 : 0);
  if (first)
    q += s_.include_date ? 2 : 0;
  else
    q += (s_.include_date ? 1 : 0) + (s_.include_date && s_.include_time ? 1 : 0);
  t_ += L"<tr" + spaced(sec_text(sec::anchor_tr)) + L"><td colspan=\"" + std::to_wstring(k * q) +
        L"\"" + spaced(sec_text(sec::anchor_td));
  if (!override_used_) {
    t_ += spaced(sec_text(sec::file_header_override));
    override_used_ = true;
  }
  t_ += spaced(expand_file_placeholders(
            s_, match_code_lookup(s_.script[match_list::anchor_row_matches_td], e.name_key), e,
            page_.gen.scan.root_folder, page_.root_prefix)) +
        L">";
  t_ += L"<a id=\"" + id + L"\"></a>";
  t_ += expand_file_placeholders(
      s_, match_code_lookup(s_.script[match_list::anchor_row_matches_before_text], e.name_key), e,
      page_.gen.scan.root_folder, page_.root_prefix);
  std::wstring sort_word = s_.folder_sort_word;
  expand_file_markers(s_, sort_word, page_.folder);
  t_ += sort_word;
  if (top) {
    t_ += shown;
  } else {
    std::wstring text = folder_text;
    if (!first) {
      while (!text.empty() && (text.back() == L'/' || text.back() == L'\\') && text.size() > 1)
        text.pop_back();
      if (!s_.full_anchor_text) text = shorten_middle(text, s_.anchor_chars2);
    }
    t_ += latin_to_entities(s_, escape_amp(s_, text));
  }
  t_ += expand_file_placeholders(
      s_, match_code_lookup(s_.script[match_list::anchor_row_matches_after_text], e.name_key), e,
      page_.gen.scan.root_folder, page_.root_prefix);
  if (!sec_text(sec::anchor).empty()) {
    std::wstring anchor = totals(sec_text(sec::anchor));
    expand_columns(anchor, page_.file_columns_w);
    expand_file_markers(s_, anchor, page_.folder);
    t_ += anchor;
  }
  t_ += L"</td></tr>\n"sv;

  if (s_.repeat_anchor_headers && s_.show_folder_names && !s_.supress_headers &&
      !s_.suppress_name_size_tr)
    t_ += header_row();

  page_.recorded.push_back(recorded_folder{id, top ? shown : folder_text, std::wstring(e.name),
                                           std::wstring(e.name_key), e.folder_path()});
}

bool file_table_writer::write() {
  const size_t n = list_.size();
  columns_ = std::max<int32_t>(1, s_.file_columns2);
  sections_mode_ = page_.gen.all_in_one;
  for (match_list which : {match_list::file_matches_td, match_list::file_matches_a,
                           match_list::file_matches_before_a, match_list::file_matches_inside_a})
    if (!s_.script[which].empty()) has_file_matches_ = true;
  const int32_t extra =
      (s_.include_filesize ? 1 : 0) + (s_.include_date ? 1 : 0) + (s_.include_time ? 1 : 0);
  page_.file_columns_c = static_cast<int32_t>(std::min<size_t>(columns_, n));
  page_.file_columns_w = page_.file_columns_c * (1 + extra);
  page_.current_columns = page_.file_columns_w;
  if (s_.full_pathname_links) {
    std::wstring base = give_drive_of_program_folder(page_.folder, s_.program_folder);
    if (base.empty() || base.back() != L'/') base += L'/';
    link_base_ = L"File://" + latin_to_url(s_, escape_href(s_, base));
  }

  t_ += L"\n"sv;
  t_ +=
      sec_text(sec::tableheader).empty()
          ? std::wstring(
                L"<table cellpadding=\"2\" cellspacing=\"0\" border=\"0\" summary=\"file table\">")
          : sec_text(sec::tableheader);
  t_ += L"\n"sv;
  write_colgroups();

  if (!s_.supress_headers && !s_.file_header_word.empty()) {
    const std::wstring& tr = sec_text(sec::files_word_tr).empty()
                                 ? sec_text(sec::anchors_folders_files_word_tr)
                                 : sec_text(sec::files_word_tr);
    std::wstring style = sec_text(sec::header_style);
    if (!sec_text(sec::file_header_override).empty() && sections_mode_ && s_.sort_folders_first &&
        s_.show_folder_names)
      style += L" " + sec_text(sec::file_header_override);
    const int32_t span = page_.file_columns_c + columns_ * extra;
    t_ += L"<tr" + spaced(tr) + L"><td colspan=\"" + std::to_wstring(span) + L"\"" + spaced(style) +
          L">" + s_.file_header_word + L"</td></tr>\n";
  }

  const std::wstring start =
      expand_page_section(page_, sec_text(sec::file_table_start), page_section_kind::other,
                          page_.file_columns_w, false);
  if (!start.empty()) t_ += start + L"\n";

  const bool headers_after_rows = s_.sort_folders_first && s_.recursive_build &&
                                  s_.repeat_anchor_headers && s_.show_folder_names &&
                                  !s_.recursive_build_single_file;
  if (!s_.supress_headers && !s_.suppress_name_size_tr && !headers_after_rows) t_ += header_row();

  build_progress* progress = page_.gen.progress;
  if (progress) {
    progress->phase = phase_writing_rows;
    progress->rows_done = 0;
  }

  for (const bool second : {false, true})
    row_open_[second ? 1 : 0] =
        L"<tr" + spaced(sec_text(second ? sec::file_table_row2 : sec::file_table_row)) + L">";

  if (s_.include_date) {
    auto time_style = [this](bool second) -> std::wstring_view {
      const std::wstring& own = sec_text(second ? sec::time_td2 : sec::time_td);
      return !own.empty() ? own : sec_text(second ? sec::size_date_td2 : sec::size_date_td);
    };
    page_.assembly.date_cells.start(s_, s_.include_time != 0,
                                    {time_style(false), time_style(true)});
  }

  bool r = false;
  int32_t m = 1;
  bool row_closed = true;
  int32_t cells_in_last_row = 0;
  for (size_t i = 0; i < n; ++i) {
    if (page_.grouped && i == 0) write_subsection_row(0);
    if (m == 1) {
      t_ += row_open_[r ? 1 : 0];
      row_closed = false;
    }
    write_row_cells(i, r, m);
    if (page_.cancelled()) return false;
    cells_in_last_row = m;

    const bool last = i + 1 == n;
    const bool next_folder =
        page_.grouped && !last && list_[i + 1].folder_path() != list_[i].folder_path();
    const bool full = m >= columns_;
    // A new folder starts a new row: the open row is filled (rectangular
    // tables) and closed before the next folder's subsection row.
    if (next_folder && !full && s_.sort_folders_first && s_.rectangular_tables)
      write_empty_cells(r, m + 1, columns_);
    if (columns_ == 1 || full || last || next_folder) {
      if (!last) {
        t_ += L"</tr>\n"sv;
        row_closed = true;
      }
      r = !r;
      m = 1;
    } else {
      ++m;
    }
    if (next_folder) write_subsection_row(i + 1);
    if ((i + 1) % kEntriesPerChunk == 0) page_.flush_text();
  }

  // The last row is filled with the styles it was written with (the flag
  // was inverted when it ended).
  if (s_.rectangular_tables && n > 0 && cells_in_last_row < page_.file_columns_c)
    write_empty_cells(!r, cells_in_last_row + 1, page_.file_columns_c);
  if (!row_closed) t_ += L"</tr>\n"sv;

  const std::wstring end = expand_page_section(
      page_, sec_text(sec::file_table_end), page_section_kind::other, page_.file_columns_w, false);
  if (!end.empty()) t_ += end + L"\n";
  t_ += L"</table>\n"sv;
  return true;
}

}  // namespace

bool write_file_table(page_state& page) {
  html_generator& gen = page.gen;
  build_settings& s = page.s;
  std::wstring& t = page.assembly.page_text;
  build_progress* progress = gen.progress;

  t += expand_page_section(page, s.script[sec::between_files_and_folders], page_section_kind::other,
                           -1, true);

  entry_list list;
  int32_t depth = 0;
  known_order found_order;
  if (!s.file_spec.empty())
    scan_folder(gen.scan, page.folder, s.file_spec, depth, list, &found_order);
  if (progress) {
    if (progress->cancelled) return false;
    progress->current_folder = page.folder;
    progress->phase = phase_files_found;
    if (notify(*progress)) return false;
  }

  if (s.file_spec.find(L';') != std::wstring::npos) {
    if (!sort_entries(list, sort_by_name, false, true, progress, &found_order)) return false;
    remove_duplicate_entries(list);
    found_order = known_order{};  // the list is no longer in the order found
  }
  if (!sort_entries(list, s.sort_kind, s.sort_descending != 0,
                    s.sort_folders_first && gen.all_in_one, progress, &found_order))
    return false;

  page.grouped = gen.all_in_one && s.sort_folders_first && s.show_folder_names;
  if (s.column_wise_sort) {
    if (progress) progress->phase = phase_arranging_columns;
    const file_table_arrangement arranged =
        arrange_file_table(list, s.file_columns2, page.grouped, progress);
    if (arranged.cancelled) return false;
    s.file_columns2 = arranged.columns;
  }

  return write_file_rows(page, list);
}

bool write_file_rows(page_state& page, entry_list& list) {
  if (list.empty()) return true;
  file_table_writer writer(page, list);
  return writer.write();
}

}  // namespace tabulon
