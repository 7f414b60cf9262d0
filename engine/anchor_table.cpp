#include "engine/anchor_table.h"

#include <algorithm>

#include "base/wide_string.h"
#include "engine/column_arrange.h"
#include "engine/file_entry.h"
#include "engine/match_lookup.h"
#include "engine/placeholder_names.h"
#include "engine/placeholders.h"
#include "engine/text_convert.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

constexpr std::wstring_view kMarker = L"INSERT_FOLDER_ANCHORS";

// " " + text when the text is not empty; the sections are written this way.
std::wstring spaced(const std::wstring& text) {
  return text.empty() ? std::wstring() : L" " + text;
}

bool is_xhtml(int32_t doctype) {
  return doctype == doctype_xhtml_transitional || doctype == doctype_xhtml_strict ||
         doctype == doctype_html_5;
}

struct anchor {
  std::wstring id;
  const recorded_folder* folder;
};

// The matched text of one anchor match list for the folder's opening entry,
// with the entry placeholders put in; empty when no rule gives a code.
std::wstring matched(const anchor_table_request& rq, match_list list, const anchor& a) {
  const build_settings& s = *rq.settings;
  std::wstring code = match_code_lookup(s.script[list], a.folder->entry_name_key);
  if (code.empty()) return code;
  file_entry entry;
  entry.name = a.folder->entry_name;
  entry.name_key = a.folder->entry_name_key;
  entry.folder = make_entry_folder(a.folder->entry_folder_path);
  const std::wstring& root = rq.root_folder.empty() ? s.path : rq.root_folder;
  return expand_file_placeholders(s, code, entry, root, rq.root_prefix);
}

// Column-wise order through the entry list arrangement: each anchor rides on
// an entry that carries its index.
void arrange_anchors(std::vector<anchor>& anchors, int32_t columns, build_progress* progress) {
  if (anchors.size() <= 1 || columns <= 1 || static_cast<size_t>(columns) >= anchors.size()) return;
  entry_list list;
  const entry_folder_ref folder = make_entry_folder(L"/");
  for (size_t i = 0; i < anchors.size(); ++i) {
    auto entry = make_file_entry(std::wstring(), folder);
    entry->size = static_cast<int64_t>(i);
    list.push_back(std::move(entry));
  }
  if (!arrange_in_columns(list, columns, progress)) return;
  std::vector<anchor> arranged;
  arranged.reserve(anchors.size());
  for (size_t i = 0; i < list.size(); ++i) arranged.push_back(anchors[list[i].size]);
  anchors = std::move(arranged);
}

// The link target of an anchor: the identifier through the steps it went
// through when the subsection row was written. They change nothing a second
// time except that a "%" of the identifier is escaped again; a browser then
// finds the element by the decoded fragment, which is the identifier.
std::wstring anchor_target(const build_settings& s, std::wstring id) {
  replace_all(id, L"#", L"3");
  replace_all(id, L"&", L"and");
  replace_all(id, L";", L"semi");
  id = escape_href(s, id);
  id = latin_to_url(s, id);
  replace_all(id, L"&", L"and");
  replace_all(id, L";", L"semi");
  replace_all(id, L"#", L"23");
  return id;
}

// The visible text of an anchor. The top folder's text is the root link text,
// which is markup already; every other path is plain text made safe here.
std::wstring anchor_text(const build_settings& s, const anchor& a) {
  std::wstring text = a.folder->path;
  // Shortening markup could cut an entity in two, so the root text stays whole.
  if (a.id == L"ID_") return text;
  if (s.anchor_chars2 >= 1) text = shorten_middle(text, s.anchor_chars2);
  if (text.size() > 1 && text.back() == L'/') text.pop_back();
  // "\" as the separator: on POSIX the separator is "/", so nothing changes.
  constexpr wchar_t separator = native_path_style().separator;
  if (s.anchors_use_backslash) std::replace(text.begin(), text.end(), L'/', separator);
  return latin_to_entities(s, escape_amp(s, text));
}

// A table start or end section with its placeholders put in.
std::wstring table_section(const anchor_table_request& rq, sec which, int32_t columns) {
  const build_settings& s = *rq.settings;
  std::wstring text = s.script[which];
  if (text.empty()) return text;
  replace_all(text, placeholder::date_modified, s.date_modified);
  if (rq.expand_page_section) text = rq.expand_page_section(text, columns);
  return text + L"\n";
}

}  // namespace

bool anchor_table_wanted(const build_settings& s, size_t recorded) {
  return s.folder_anchors && s.sort_folders_first && s.recursive_build && s.show_folder_names &&
         !s.recursive_build_single_file && !s.build_framed_site && recorded > 0;
}

anchor_table_result build_anchor_table(const anchor_table_request& rq) {
  anchor_table_result result;
  const build_settings& s = *rq.settings;
  const size_t recorded = rq.folders ? rq.folders->size() : 0;
  build_progress* progress = rq.progress;

  if (!anchor_table_wanted(s, recorded)) {
    if (progress) {
      progress->phase = phase_writing_rows;
      notify(*progress);
    }
    return result;
  }
  if (progress) {
    progress->rows_done = 0;
    progress->rows_total = static_cast<int32_t>(recorded);
    progress->phase = phase_anchor_table;
    notify(*progress);
  }

  std::vector<anchor> anchors;
  anchors.reserve(recorded);
  for (const recorded_folder& f : *rq.folders) {
    std::wstring id = f.id;
    if (id.size() > 1 && id.back() == L'\\') id.pop_back();
    const auto depth = std::count(f.path.begin(), f.path.end(), L'/');
    if (s.max_anchor_depth == 0 || depth < s.max_anchor_depth) anchors.push_back({id, &f});
  }

  const int32_t columns = std::max<int32_t>(1, s.anchor_columns2);
  const size_t n = anchors.size();
  // A table without a single cell would be invalid markup: every recorded
  // folder lay below the depth limit, so the page gets no table at all.
  if (n > 0) {
    result.built = true;
    if (s.column_wise_sort) arrange_anchors(anchors, columns, progress);

    const script_template& sc = s.script;
    const bool file_elements = s.use_file_table_script_elements != 0;
    const int32_t shown_columns = static_cast<int32_t>(std::min<size_t>(columns, n));

    std::wstring& t = result.text;
    t += L"\n";
    const std::wstring& header =
        file_elements ? sc[sec::tableheader] : sc[sec::anchor_table_header];
    t += header.empty()
             ? L"<table cellpadding=\"2\" cellspacing=\"0\" border=\"0\" summary=\"anchor table\">"
             : header;
    t += L"\n";
    t += table_section(rq, sec::anchor_table_start, shown_columns);
    t += file_elements
             ? column_group(s, sc[sec::colgroup_1], sc[sec::colgroup_2], columns)
             : column_group(s, sc[sec::anchor_colgroup_1], sc[sec::anchor_colgroup_2], columns);

    const std::wstring row_start = L"<tr" + spaced(sc[sec::anchor_table_row]) + L">";
    if (!s.supress_headers && !s.anchor_word.empty()) {
      const std::wstring& word_tr = sc[sec::anchors_word_tr].empty()
                                        ? sc[sec::anchors_folders_files_word_tr]
                                        : sc[sec::anchors_word_tr];
      t += L"<tr" + spaced(word_tr) + L">";
      const std::wstring& style =
          sc[sec::anchor_header].empty() ? sc[sec::header_style] : sc[sec::anchor_header];
      const std::wstring tag = style.empty() ? L"th" : L"td";
      t += L"<" + tag + L" colspan=\"" + to_wide(shown_columns) + L"\"";
      t += style.empty() ? spaced(sc[sec::anchor_header_td]) + L">" : L" " + style + L">";
      t += s.anchor_word;
      t += L"</" + tag + L"></tr>\n";
    }
    t += row_start;

    bool r = false;
    for (size_t k = 1; k <= n; ++k) {
      const anchor& a = anchors[k - 1];
      if (progress && k % 25 == 0) {
        progress->rows_done = static_cast<int32_t>(k);
        notify(*progress);
      }
      t += L"<td";
      t += spaced(r ? sc[sec::anchor_table_td2] : sc[sec::anchor_table_td]);
      t += spaced(matched(rq, match_list::anchor_matches_td, a));
      t += L">";
      if (columns != 1 && k % columns != 1) {
        t += L"&nbsp;";
        t += sc[sec::before_anchor_not_first_column];
      }
      t += spaced(matched(rq, match_list::anchor_matches_before_a, a));
      t += L"<a ";
      // The matched attribute text is followed by a space as well, so it can
      // never run into the href attribute.
      const std::wstring a_code = matched(rq, match_list::anchor_matches_a, a);
      if (!a_code.empty()) t += L" " + a_code + L" ";
      if (!sc[sec::anchor_a].empty()) t += sc[sec::anchor_a] + L" ";
      t += L"href=\"#" + anchor_target(s, a.id) + L"\">";
      t += spaced(matched(rq, match_list::anchor_matches_inside_a, a));
      t += anchor_text(s, a);
      t += L"</a>";
      t += spaced(matched(rq, match_list::anchor_matches_after_a, a));
      t += L"</td>";
      if (k % columns == 0 && k < n) {
        t += L"</tr>\n<tr";
        t += spaced(r ? sc[sec::anchor_table_row] : sc[sec::anchor_table_row2]);
        t += L">";
        r = !r;
      }
    }
    if (s.rectangular_tables && n > static_cast<size_t>(columns)) {
      for (size_t cell = n % columns; cell != 0 && cell < static_cast<size_t>(columns); ++cell) {
        t += L"<td" + spaced(r ? sc[sec::anchor_table_td2] : sc[sec::anchor_table_td]) + L"></td>";
      }
    }
    t += L"</tr>\n";
    t += table_section(rq, sec::anchor_table_end, shown_columns);
    t += L"</table>\n";
    t += is_xhtml(s.doctype) ? L"<div><br /></div>" : L"<br>";
    t += L"\n";
  }

  if (progress) {
    notify(*progress);
    progress->phase = phase_page_done;
    result.cancelled = progress->cancelled;
  }
  return result;
}

bool insert_folder_anchors(std::wstring& page_text, const anchor_table_request& request) {
  anchor_table_result table = build_anchor_table(request);
  if (table.cancelled) return false;
  replace_all(page_text, kMarker, table.text);
  return true;
}

}  // namespace tabulon
