// The page values computed once per page, the page placeholders, and the
// head of the page down to the /START section.
#include <cstdio>

#include "base/wide_string.h"
#include "engine/date_format.h"
#include "engine/page_paths.h"
#include "engine/page_state.h"
#include "engine/placeholder_names.h"
#include "engine/placeholders.h"
#include "engine/size_format.h"
#include "engine/summary_format.h"
#include "engine/text_convert.h"
#include "platform/local_time.h"

namespace tabulon {

namespace {

bool is_xhtml(int32_t doctype) {
  return doctype == doctype_xhtml_transitional || doctype == doctype_xhtml_strict;
}

std::wstring printf_wide(const char* format, int value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, value);
  return utf8_to_wide(buffer);
}

// "%I" with one leading zero removed, then ":%M " and "am" or "pm".
std::wstring twelve_hour_time(const local_fields& t) {
  int hour = t.hour % 12;
  if (hour == 0) hour = 12;
  return std::to_wstring(hour) + L":" + printf_wide("%02d", t.minute) + L" " +
         (t.hour < 12 ? L"am" : L"pm");
}

void replace(std::wstring& text, std::wstring_view from, std::wstring_view to) {
  if (text.find(from) != std::wstring::npos) replace_all(text, from, to);
}

}  // namespace

std::wstring spaced(const std::wstring& text) {
  if (text.empty()) return {};
  return L" " + text;
}

page_state::page_state(html_generator& generator, const std::wstring& page_folder)
    : gen(generator),
      assembly(generator.assembly),
      s(*generator.settings),
      folder(page_folder),
      out(s.charset) {}

namespace {
constexpr size_t kKeptTextCapacity = 1 << 17;  // characters
}  // namespace

void page_state::flush_text() {
  if (assembly.page_text.empty()) return;
  out.append(assembly.page_text);
  // A buffer of the usual size stays for the next rows (allocating it again
  // for every chunk costs more than the chunk's text); a large one goes.
  if (assembly.page_text.capacity() <= kKeptTextCapacity)
    assembly.page_text.clear();
  else
    std::wstring().swap(assembly.page_text);
}

void compute_page_values(page_state& page) {
  build_settings& s = page.s;
  page.root_prefix = root_prefix_of(page.folder, s.recursion_root);
  page.display_path = dir_display(s, s.path);
  page.start_path = latin_to_entities(s, escape_amp(s, page.display_path));
  page.folder_plain = folder_own_name(s.path);
  page.folder_link = latin_to_url(s, escape_href(s, folder_own_name(s.path)));
  page.relative_path = protect_markup(s, relative_to_root(s.path, s.recursion_root), false);

  const std::optional<local_fields> now = local_time_of(current_seconds());
  const local_fields t = now.value_or(local_fields{});
  page.day = std::to_wstring(t.day);
  page.month_name = t.month >= 1 && t.month <= 12 && s.month_words.size() >= 12
                        ? s.month_words[static_cast<size_t>(t.month - 1)]
                        : std::wstring();
  page.month_number = std::to_wstring(t.month);
  page.year = std::to_wstring(t.year);
  page.time_text = s.time_24hr ? printf_wide("%02d", t.hour) + L":" + printf_wide("%02d", t.minute)
                               : twelve_hour_time(t);
  if (!s.stamp_date_style) {
    page.date_no_time = page.month_name + L" " + page.day + L", " + page.year;
    page.date_with_time = page.date_no_time + L"&nbsp;&nbsp;" + twelve_hour_time(t);
  } else {
    page.date_no_time = page.day + L" " + page.month_name + L" " + page.year;
    page.date_with_time = page.date_no_time + L" " + printf_wide("%02d", t.hour) + L":" +
                          printf_wide("%02d", t.minute);
  }
}

std::wstring expand_page_section(page_state& page, std::wstring_view section_text,
                                 page_section_kind kind, int32_t columns, bool include_files) {
  std::wstring text(section_text);
  if (text.empty()) return text;
  build_settings& s = page.s;
  const bool head = kind == page_section_kind::head;
  const bool body = kind == page_section_kind::start || kind == page_section_kind::other;

  replace(text, placeholder::root_folder, page.root_prefix);
  if (head && include_files) expand_file_markers(s, text, page.folder);

  const std::wstring raw_path = protect_markup(s, s.path, false);
  replace(text, placeholder::dir,
          kind == page_section_kind::start   ? page.start_path
          : kind == page_section_kind::other ? raw_path
                                             : protect_markup(s, page.display_path, false));
  if (body) replace(text, placeholder::folders_include, s.included_folders);
  replace(text, placeholder::folder, body ? page.folder_link : escape_amp(s, page.folder_plain));
  replace(text, placeholder::relative_path, page.relative_path);
  replace(text, placeholder::version, kProgramVersion);
  if (body) {
    replace(text, placeholder::includes,
            latin_to_entities(s, escape_amp(s, s.filename_include_strings)));
    replace(text, placeholder::skipped, s.skip_files);
    replace(text, placeholder::spec, s.file_spec);
    replace(text, placeholder::date_no_time, page.date_no_time);
    replace(text, placeholder::date_modified, s.dates.display_text);
    replace(text, placeholder::month_num, page.month_number);
    replace(text, placeholder::month, page.month_name);
    replace(text, placeholder::year, page.year);
    replace(text, placeholder::time, page.time_text);
    replace(text, placeholder::day, page.day);
    replace(text, placeholder::file_sizes, s.file_sizes);
    replace(text, placeholder::date, page.date_with_time);
    if (kind == page_section_kind::other)
      expand_columns(text, columns >= 0 ? columns : page.current_columns);
  }
  if (!head && include_files) expand_file_markers(s, text, page.folder);
  return text;
}

void write_head(page_state& page) {
  build_settings& s = page.s;
  std::wstring& t = page.assembly.page_text;

  const std::wstring& doctype_section = section(page, sec::doctype);
  if (!doctype_section.empty()) {
    if (doctype_section != L"\n") t += doctype_section;
  } else {
    switch (s.doctype) {
      case doctype_html_401_transitional:
        t += L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
             L"\"http://www.w3.org/TR/html4/loose.dtd\">";
        break;
      case doctype_html_strict:
        t += L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
             L"\"http://www.w3.org/TR/html4/strict.dtd\">";
        break;
      case doctype_xhtml_transitional:
        t += L"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
             L"\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">";
        break;
      case doctype_xhtml_strict:
        t += L"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
             L"\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">";
        break;
      default:
        t += L"<!DOCTYPE html>";
        break;
    }
    t += L"\n";
  }
  t += is_xhtml(s.doctype) ? L"<html xmlns=\"http://www.w3.org/1999/xhtml\">" : L"<html>";
  t += L"\n\n<head>\n";

  const std::wstring& content_type = section(page, sec::content_type);
  if (!content_type.empty()) {
    t += content_type;
  } else {
    const wchar_t* name = s.charset == charset_utf16le ? L"UTF-16LE"
                          : s.charset == charset_ansi  ? L"ISO-8859-1"
                                                       : L"UTF-8";
    if (s.doctype == doctype_html_5) {
      t += L"<meta charset=\"";
      t += name;
      t += L"\"";
    } else {
      t += L"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=";
      t += name;
      t += L"\"";
      if (is_xhtml(s.doctype)) t += L" /";
    }
    t += L">\n";
  }

  // A RELATIVE title outside the recursive builds names the page folder below the root.
  if (!s.recursive_build && !(s.build_framed_site && s.recursive_build_single_file) &&
      s.multi_recurse_title == title_relative)
    s.title = relative_to_root(page.folder, s.recursion_root);

  std::wstring title = s.title;
  replace(title, placeholder::dir, page.display_path);
  replace(title, placeholder::folder, page.folder_plain);
  if (!title.empty()) {
    t += L"<title>";
    t += escape_amp(s, title);
    t += L"</title>\n";
  }

  t += expand_page_section(page, section(page, sec::head), page_section_kind::head, -1, true);
  t += L"</head>\n\n";
  const std::wstring& bodyheader = section(page, sec::bodyheader);
  t += bodyheader.empty() ? std::wstring(L"<body>\n") : bodyheader;
  t += expand_page_section(page, section(page, sec::start), page_section_kind::start, -1, true);
}

}  // namespace tabulon
