// The folder table of a page: the subfolders, the root link and the parent
// link, then /BEFORE_ANCHORS and the marker the anchor table replaces.
#include "base/wide_string.h"
#include "engine/column_arrange.h"
#include "engine/link_target.h"
#include "engine/match_lookup.h"
#include "engine/page_paths.h"
#include "engine/page_state.h"
#include "engine/placeholders.h"
#include "engine/read_ahead.h"
#include "engine/sort.h"
#include "engine/text_convert.h"
#include "platform/dir_enum.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

bool is_closed_markup(int32_t doctype) {
  return doctype == doctype_xhtml_transitional || doctype == doctype_xhtml_strict ||
         doctype == doctype_html_5;
}

// Gathers the entries of the folder table in their written order of kinds:
// subfolders, the root link, the parent link.
void gather_folder_entries(page_state& page, entry_list& list) {
  html_generator& gen = page.gen;
  page_assembly& assembly = page.assembly;
  build_settings& s = page.s;
  const entry_folder_ref here = make_entry_folder(page.folder);

  entry_list folders;
  assembly.subfolders_of.clear();
  assembly.subfolders.clear();
  if (s.include_subfolders && !assembly.framed_page) {
    open_folder own;
    const open_folder* dir = nullptr;
    if (assembly.page_dir && assembly.page_dir_path == page.folder)
      dir = assembly.page_dir;  // opened by the per-folder walk
    else if (own.open(page.folder))
      dir = &own;
    if (dir) {
      assembly.subfolders_of = page.folder;
      dir_listing items;
      if (assembly.page_listing && dir == assembly.page_dir) {
        items = std::move(*assembly.page_listing);
        assembly.page_listing = nullptr;
      } else {
        items = read_listing(gen.scan.reader, *dir, page.folder);
      }
      for (const dir_item& item : items) {
        if (!item.is_folder || starts_with(item.name, L".")) continue;
        const std::wstring child = join_path(page.folder, item.name);
        if (!can_enter(gen.scan.reader, *dir, item.name, child)) continue;
        assembly.subfolders.emplace_back(item.name);
        if (gen.folder_is_skipped(child)) continue;
        auto entry = make_file_entry(item.name, here);
        if (s.use_html_titles_for_links)
          entry->link_title = std::make_unique<std::wstring>(item.name);
        folders.push_front(std::move(entry));
        ++page.folder_count;
      }
      // The file scan of this page lists the same folder next.
      gen.scan.listed_folder = page.folder;
      gen.scan.listed_items = std::move(items);
    }
  }
  for (auto& e : folders.items) list.push_back(std::move(e));

  if (s.root_link && !s.multi_recurse_skip_root) list.push_back(make_file_entry(L".", here));

  const bool parent_allowed =
      !s.recursive_build || !s.recursive_build_single_file ||
      ((!s.frame_list_pass || s.build_framed_site) && page.folder != gen.start_folder);
  if (!s.supress_parent_link && parent_allowed && !is_filesystem_root(s.path) &&
      s.path.size() > 1) {
    list.push_back(make_file_entry(L"..", here));
    ++page.folder_count;
  }
}

// The folder link base of `full_pathname_links`: "File://" and the page
// folder as a URL path ending in "/".
std::wstring folder_link_base(const page_state& page) {
  std::wstring base = give_drive_of_program_folder(page.folder, page.s.program_folder);
  if (base.empty() || base.back() != L'/') base += L'/';
  return L"File://" + escape_href(page.s, base);
}

}  // namespace

void write_folder_table(page_state& page) {
  build_settings& s = page.s;
  std::wstring& t = page.assembly.page_text;

  entry_list list;
  gather_folder_entries(page, list);
  if (!list.empty()) {
    page.folder_table_written = true;
    sort_entries(list, sort_by_name, false, false, nullptr);
    if (s.column_wise_sort) arrange_in_columns(list, s.folder_columns2, nullptr);

    const int32_t columns = s.folder_columns2;
    const int32_t shown_columns = std::min<int32_t>(columns, static_cast<int32_t>(list.size()));
    page.current_columns = shown_columns;

    t += L"\n";
    const std::wstring& header = section(page, sec::folder_table_header);
    t += header.empty() ? std::wstring(
                              L"<table cellpadding=\"2\" cellspacing=\"0\" border=\"0\" "
                              L"summary=\"folder table\">")
                        : header;
    t += L"\n";
    const std::wstring start = expand_page_section(page, section(page, sec::folder_table_start),
                                                   page_section_kind::other, shown_columns, false);
    if (!start.empty()) t += start + L"\n";

    if (!s.supress_headers && !s.folder_word.empty()) {
      const std::wstring& tr = section(page, sec::folders_word_tr).empty()
                                   ? section(page, sec::anchors_folders_files_word_tr)
                                   : section(page, sec::folders_word_tr);
      const std::wstring& style = section(page, sec::folder_header).empty()
                                      ? section(page, sec::header_style)
                                      : section(page, sec::folder_header);
      const std::wstring tag = style.empty() ? L"th" : L"td";
      t += L"<tr" + spaced(tr) + L"><" + tag + L" colspan=\"" + std::to_wstring(columns) + L"\"" +
           spaced(style) + L">" + s.folder_word + L"</" + tag + L"></tr>\n";
    }

    if (s.use_file_table_script_elements)
      t += column_group(s, section(page, sec::colgroup_1), section(page, sec::colgroup_2), columns);
    else
      t += column_group(s, section(page, sec::folder_colgroup_1),
                        section(page, sec::folder_colgroup_2), columns);

    t += L"<tr" + spaced(section(page, sec::folder_table_row)) + L">";
    const std::wstring link_base = s.full_pathname_links ? folder_link_base(page) : std::wstring();
    const std::wstring file_link = latin_to_url(s, section(page, sec::folder_file_link));

    bool r = false;
    int32_t n = 1;
    for (size_t i = 0; i < list.size(); ++i, ++n) {
      const file_entry& e = list[i];
      const std::wstring td_match = expand_file_placeholders(
          s, match_code_lookup(s.script[match_list::folder_matches_td], e.name_key), e,
          page.gen.scan.root_folder, page.root_prefix);
      const std::wstring before_a = expand_file_placeholders(
          s, match_code_lookup(s.script[match_list::folder_matches_before_a], e.name_key), e,
          page.gen.scan.root_folder, page.root_prefix);
      t += L"<td" + spaced(section(page, r ? sec::folder_td2 : sec::folder_td)) + spaced(td_match) +
           L">" + spaced(before_a) + section(page, sec::pre_href_folder);
      if (columns != 1 && n % columns != 1)
        t += L"&nbsp;" + section(page, sec::before_folder_not_first_column);

      if (!s.non_functional_links) {
        const std::wstring a_match = expand_file_placeholders(
            s, match_code_lookup(s.script[match_list::folder_matches_a], e.name_key), e,
            page.gen.scan.root_folder, page.root_prefix);
        t += L"<a ";
        if (!section(page, sec::folder_a).empty()) t += section(page, sec::folder_a) + L" ";
        t += L"href=\"";
        const size_t target_start = t.size();
        t += section(page, sec::folder_prefix) + link_base;
        const size_t names_start = t.size();
        t += latin_to_url(s, escape_href(s, e.name)) + L"/" + file_link;
        make_scheme_safe(t, target_start, names_start);
        t += L"\"" + spaced(a_match) + section(page, sec::folder_href_append) + L">";
      }
      const std::wstring inside = expand_file_placeholders(
          s, match_code_lookup(s.script[match_list::folder_matches_inside_a], e.name_key), e,
          page.gen.scan.root_folder, page.root_prefix);
      t += spaced(inside) + section(page, sec::pre_fname_folder);
      if (e.name == L"..")
        t += s.parent_word;
      else if (e.name == L".")
        t += expand_title(s, s.root_anchor_word);
      else
        t += latin_to_entities(s, escape_amp(s, shorten_middle(e.name, s.folder_chars)));
      t += section(page, sec::post_fname_folder);
      if (!s.non_functional_links) t += L"</a>";
      t += section(page, sec::post_href_folder) + L"</td>";

      if (n % columns == 0) {
        t += L"</tr>\n";
        if (i + 1 < list.size())
          t += L"<tr" + spaced(section(page, r ? sec::folder_table_row : sec::folder_table_row2)) +
               L">";
        r = !r;
      }
    }
    const int32_t written = n - 1;
    int32_t cells = written;
    if (s.rectangular_tables && written > columns) {
      while (cells % columns != 0) {
        t += L"<td" + spaced(section(page, r ? sec::folder_td2 : sec::folder_td)) + L"></td>";
        ++cells;
      }
      if (written % columns != 0) t += L"</tr>\n";
    } else if (cells % columns != 0) {
      t += L"</tr>\n";
    }

    const std::wstring end = expand_page_section(page, section(page, sec::folder_table_end),
                                                 page_section_kind::other, shown_columns, false);
    if (!end.empty()) t += end + L"\n";
    t += L"</table>\n";
    t += is_closed_markup(s.doctype) ? L"<div><br /></div>\n" : L"<br>\n";
  }

  t += expand_page_section(page, section(page, sec::before_anchors), page_section_kind::other, -1,
                           true);
  t += L"INSERT_FOLDER_ANCHORS";
}

}  // namespace tabulon
