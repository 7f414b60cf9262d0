#include "engine/framed_site.h"

#include <algorithm>

#include "base/text_file.h"
#include "base/wide_string.h"
#include "engine/link_target.h"
#include "engine/page_output.h"
#include "engine/placeholder_names.h"
#include "engine/script_loader.h"
#include "engine/text_convert.h"
#include "platform/native_path.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

bool is_separator(wchar_t c) {
  return c == L'\\' || c == kPathSeparator;
}

// Replaces every `from` by `to`, starting at `from_pos`.
void replace_from(std::wstring& text, size_t from_pos, std::wstring_view from,
                  std::wstring_view to) {
  if (from_pos >= text.size()) return;
  std::wstring tail = text.substr(from_pos);
  replace_all(tail, from, to);
  text.replace(from_pos, std::wstring::npos, tail);
}

// The position of `what` in `text`, comparing a to z without regard to case.
size_t find_ignoring_case(const std::wstring& text, std::wstring_view what, size_t from = 0) {
  return upper_ascii(text).find(upper_ascii(what), from);
}

// The value in double quotes that follows the n-th (0-based) `attribute` at
// or after `from`. Empty when there is no such attribute, its value does not
// start with a double quote, or the quote is not closed.
std::wstring quoted_value(const std::wstring& text, std::wstring_view attribute, int n,
                          size_t from = 0) {
  size_t at = text.find(attribute, from);
  for (int i = 0; i < n && at != std::wstring::npos; ++i) at = text.find(attribute, at + 1);
  if (at == std::wstring::npos) return {};
  const size_t open = at + attribute.size();
  if (open >= text.size() || text[open] != L'"') return {};
  const size_t close = text.find(L'"', open + 1);
  if (close == std::wstring::npos) return {};
  return text.substr(open + 1, close - open - 1);
}

// A frame page is written into each folder under this name, so it has to be
// a plain file name: with a separator the page would land elsewhere.
bool usable_page_name(const std::wstring& name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  for (wchar_t c : name) {
    if (is_separator(c) || c == L'/') return false;
  }
  return true;
}

// The folder's own name: the part after the last separator (trailing ones
// ignored); a root keeps its whole path.
std::wstring folder_name_of(const std::wstring& path) {
  size_t end = path.size();
  while (end > 1 && is_separator(path[end - 1])) --end;
  const std::wstring trimmed = path.substr(0, end);
  if (trimmed.size() == 3 && trimmed[1] == L':') return trimmed;  // a drive root
  const size_t last = trimmed.find_last_of(L"\\/");
  if (last == std::wstring::npos) return trimmed;
  const std::wstring name = trimmed.substr(last + 1);
  return name.empty() ? trimmed : name;
}

// The title text chosen by `multi_recurse_title`, made safe for markup.
std::wstring frameset_title(const build_settings& s) {
  std::wstring p = s.path;
  if (!s.anchors_use_backslash) std::replace(p.begin(), p.end(), L'\\', L'/');
  const std::wstring n = folder_name_of(s.path);
  std::wstring t;
  switch (s.multi_recurse_title) {
    case title_qualified:
      t = p;
      break;
    case title_folder:
      t = n;
      break;
    case title_relative:
      t = s.title;
      replace_all(t, placeholder::dir, dir_display(s, p));
      replace_all(t, placeholder::folder, n);
      break;
    default:
      break;
  }
  return escape_markup(t);
}

// The frameset page is single-byte text whatever `charset` says: characters
// up to U+00FF are written as their byte, anything beyond as a numeric
// character reference, which every frameset document type understands.
// An error status says why the file could not be created or written.
status write_single_byte(const std::wstring& path, const std::wstring& text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (wchar_t c : text) {
    if (c == L'\n') {
      bytes += "\r\n";
    } else if (is_escaped_byte(c)) {
      bytes += static_cast<char>(c - 0xDC00);
    } else if (static_cast<uint32_t>(c) <= 0xFF) {
      bytes += static_cast<char>(c);
    } else {
      bytes += "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
    }
  }
  return write_page_file(path, std::span<const std::string>(&bytes, 1));
}

// The frame pages are files in the root folder; a page name with a ":" would
// be read by the browser as a URL scheme, so its source gets "./" in front.
void make_sources_scheme_safe(std::wstring& text) {
  size_t at = 0;
  for (int frame = 0; frame < 2; ++frame) {
    at = text.find(L"src=\"", at);
    if (at == std::wstring::npos) return;
    const size_t open = at + 5;
    size_t close = text.find(L'"', open);
    if (close == std::wstring::npos) return;
    if (reads_as_scheme(std::wstring_view(text).substr(open, close - open))) {
      text.insert(open, L"./");
      close += 2;
    }
    at = close;
  }
}

// Loads a frame script the way the framed site needs it.
void load_frame_script(build_settings& s, const std::wstring& script_name,
                       const frameset_sources& sources) {
  if (s.use_primary_script_always) {
    load_script(s.script, s.custom_html_filename, s.program_folder);
    s.script[sec::folder_href_append] = L" target=\"" + sources.target_name + L"\"";
    s.script[sec::folder_file_link] = sources.right;
  } else {
    load_script(s.script, script_name, s.program_folder);
  }
  apply_file_table_elements(s.script, s.use_file_table_script_elements != 0);
  s.script[sec::folder_file_link] = sources.right;
}

}  // namespace

frameset_sources read_frameset_sources(std::wstring& text, bool want_target_name) {
  frameset_sources found;
  replace_all(text, L"SRC=", L"src=");
  found.left = quoted_value(text, L"src=", 0);
  found.right = quoted_value(text, L"src=", 1);
  if (!usable_page_name(found.left) || !usable_page_name(found.right)) return found;
  if (want_target_name) {
    replace_all(text, L"<FRAME", L"<frame");
    // "<FRAMESET" has become "<frameSET" by now; it still opens the frameset.
    const size_t frameset = find_ignoring_case(text, L"<frameset");
    if (frameset == std::wstring::npos) return found;
    replace_from(text, frameset, L"NAME=", L"name=");
    found.target_name = quoted_value(text, L"name=", 1, frameset);
    if (found.target_name.empty()) return found;
  }
  found.ok = true;
  return found;
}

int framed_site_build(html_generator& gen, build_progress* progress, std::wstring frameset_file,
                      std::wstring left_frame_file, std::wstring right_frame_file) {
  build_settings& s = *gen.settings;

  if (s.recursive_build && s.build_framed_site) {
    frameset_file = resolve_in_program_folder(frameset_file, s.program_folder);
    left_frame_file = resolve_in_program_folder(left_frame_file, s.program_folder);
    right_frame_file = resolve_in_program_folder(right_frame_file, s.program_folder);
  }

  s.build_framed_site = 1;
  const int32_t entry_include_subfolders = s.include_subfolders;
  const int32_t entry_supress_parent_link = s.supress_parent_link;
  auto restore_forced = [&] {
    if (s.force_framed_settings) {
      s.include_subfolders = entry_include_subfolders;
      s.supress_parent_link = entry_supress_parent_link;
    }
  };
  if (s.force_framed_settings) {
    s.include_subfolders = 1;
    s.supress_parent_link = 0;
  }

  // The frameset page goes into the root folder whatever folder the name had.
  const size_t last = s.output_filename.find_last_of(L"\\/");
  if (last != std::wstring::npos) s.output_filename.erase(0, last + 1);

  // A root that the frame passes cannot build would leave a frameset of
  // dead frames: nothing is written then.
  gen.not_started = gen.check_root();
  if (!gen.not_started) {
    restore_forced();
    return 0;
  }
  std::wstring frameset_path = s.path;
  if (!is_separator(frameset_path.back())) frameset_path += kPathSeparator;
  frameset_path += s.output_filename;

  std::wstring text;
  if (!read_whole_file(frameset_file, text)) text.clear();
  replace_all(text, L"\r\n", L"\n");

  size_t title_at = text.find(L"<title></title>");
  if (title_at == std::wstring::npos) title_at = text.find(L"<TITLE></TITLE>");
  if (title_at != std::wstring::npos) {
    text.replace(title_at, 15, L"<title>" + frameset_title(s) + L"</title>");
  }
  if (text.empty()) {
    gen.not_started = status::error(L"read the frameset script", frameset_file, L"",
                                    L"it is empty or cannot be read");
    restore_forced();
    return 0;
  }

  // Without two usable frame sources the frame pages would have no names
  // (or land outside their folders): nothing is written.
  const frameset_sources sources = read_frameset_sources(text, s.use_primary_script_always != 0);
  if (!sources.ok) {
    gen.not_started = status::error(L"use the frameset script", frameset_file, L"",
                                    L"it does not name two frame pages in double quotes");
    restore_forced();
    return 0;
  }

  make_sources_scheme_safe(text);
  int total = 0;
  if (status written = write_single_byte(frameset_path, text); written) {
    ++total;
    gen.written_files.push_back(frameset_path);
  } else {
    gen.failed_pages.push_back(std::move(written));
  }

  const std::wstring kept_file_spec = s.file_spec;
  const int32_t kept_folder_columns = s.folder_columns2;
  const int32_t kept_include_summary = s.include_summary;
  const int32_t kept_supress_headers = s.supress_headers;

  // Left frame: one page in the root folder listing the root and its
  // subfolders (no files), each link opening that folder's right frame page.
  load_frame_script(s, left_frame_file, sources);
  const int32_t left_include_subfolders = s.include_subfolders;
  s.recursive_build = 0;
  s.include_subfolders = 1;
  s.folder_columns2 = 1;
  s.file_spec.clear();
  s.output_filename = sources.left;
  s.reload_script = 0;
  s.include_summary = 0;
  const int32_t left_supress_parent_link = s.supress_parent_link;
  s.supress_parent_link = 1;
  s.root_link = 1;
  total += gen.build(progress);
  s.supress_parent_link = left_supress_parent_link;
  s.root_link = 0;

  // Right frame: one page of files in every folder of the branch.
  load_frame_script(s, right_frame_file, sources);
  s.recursive_build = 1;
  s.recursive_build_single_file = 1;
  s.include_summary = kept_include_summary;
  s.file_spec = kept_file_spec;
  s.folder_columns2 = kept_folder_columns;
  s.supress_headers = kept_supress_headers;
  s.include_subfolders = left_include_subfolders;
  s.output_filename = sources.right;
  s.frame_list_pass = 1;
  s.recursion_root = s.path;
  // The first right page is a frame page, written even when it lists no file.
  // Every build starts with a fresh cancel flag, so a cancel during the left
  // pass has to stop the right pass here.
  if (!(progress && progress->cancelled)) total += gen.build_with_frame_page(progress);

  s.recursive_build_single_file = 1;
  s.build_framed_site = 1;
  s.reload_script = 1;
  s.recursion_root.clear();
  s.frame_list_pass = 0;
  s.multi_recurse_skip_root = 0;
  gen.last_output_path = frameset_path;
  restore_forced();
  gen.pages_written = total;
  return total;
}

}  // namespace tabulon
