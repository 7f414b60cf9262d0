#include "engine/placeholders.h"

#include "base/text_file.h"
#include "base/wide_string.h"
#include "engine/placeholder_names.h"
#include "engine/text_convert.h"
#include "platform/native_path.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

void replace(std::wstring& text, std::wstring_view from, std::wstring_view to) {
  replace_all(text, from, to);
}

// Every occurrence of the root folder removed from a path. A root that is the
// file-system root itself ("/") would take every separator out of the path,
// so it removes nothing.
std::wstring without_root(std::wstring path, std::wstring_view root) {
  if (!root.empty() && root != std::wstring_view(&kPathSeparator, 1)) replace(path, root, L"");
  return path;
}

std::wstring amp_only(std::wstring_view text) {
  std::wstring out(text);
  replace(out, L"&", L"&amp;");
  return out;
}

std::wstring_view stem(std::wstring_view name) {
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring_view::npos ? name : name.substr(0, dot);
}

bool try_read(const std::wstring& path, std::wstring& text) {
  if (!read_whole_file(path, text)) return false;
  replace(text, L"\r\n", L"\n");
  return true;
}

// Where a marker of one form starts and ends in a text.
struct marker_form {
  std::wstring_view marker;
  wchar_t end;
};
constexpr marker_form kForms[] = {{placeholder::file_marker, L'%'},
                                  {placeholder::tilde_file_marker, L'~'}};

// Expands the markers of `form` from `text`, nesting into included files
// until the depth or the number of inclusions runs out. `name_of` turns the
// name written in a marker into the name to look up.
template <typename NameOf>
void expand_markers(const build_settings& settings, std::wstring& text, int form,
                    std::wstring_view folder, NameOf&& name_of, int depth, int& budget) {
  const marker_form& f = kForms[form];
  size_t cursor = 0;
  while (true) {
    const size_t pos = text.find(f.marker, cursor);
    if (pos == std::wstring::npos) return;
    const size_t name_begin = pos + f.marker.size();
    size_t end = text.find(f.end, name_begin);
    const size_t name_end = end == std::wstring::npos ? text.size() : end;
    end = end == std::wstring::npos ? text.size() : end + 1;
    std::wstring content;
    if (depth < kMaxInclusionDepth && budget > 0) {
      --budget;
      content = read_included_file(
          settings, name_of(std::wstring_view(text).substr(name_begin, name_end - name_begin)),
          folder);
      expand_markers(settings, content, form, folder, name_of, depth + 1, budget);
    }
    text.replace(pos, end - pos, content);
    // The text before the marker could end in the start of a new marker that
    // the inclusion completes; the included text itself holds none any more.
    // Each round uses up an inclusion or shortens the text, so this ends.
    cursor = pos >= f.marker.size() - 1 ? pos - (f.marker.size() - 1) : 0;
  }
}

}  // namespace

std::wstring expand_title(const build_settings& settings, std::wstring_view title_template) {
  if (title_template.empty()) return {};
  const std::wstring& p = settings.path;
  std::wstring q = p;
  // Where "/" already is the separator, a backslash belongs to a name and stays.
  if (kPathSeparator == L'\\' && !settings.anchors_use_backslash) replace(q, L"\\", L"/");
  q = escape_amp(settings, q);
  replace(q, L"%20", L" ");
  std::wstring out(title_template);
  replace(out, placeholder::dir, dir_display(settings, q));
  const size_t sep = p.rfind(kPathSeparator);
  const std::wstring_view last =
      sep == std::wstring::npos ? std::wstring_view(p) : std::wstring_view(p).substr(sep + 1);
  replace(out, placeholder::folder, protect_markup(settings, last, false));
  return out;
}

std::wstring expand_file_placeholders(const build_settings& settings, std::wstring_view text,
                                      const file_entry& entry, std::wstring_view root_folder,
                                      std::wstring_view root_prefix) {
  if (text.empty()) return {};
  // Every placeholder starts with "%%"; row texts without one (most match
  // rules and section texts) need none of the values worked out below.
  if (text.find(L"%%") == std::wstring_view::npos) return std::wstring(text);
  const std::wstring_view name = entry.name;
  std::wstring out(text);
  replace(out, placeholder::fname, escape_amp(settings, name));

  std::wstring e = without_root(entry.folder_path(), root_folder);
  e += name;
  std::wstring e2 = e;
  if (settings.full_pathname_links) e = give_drive_of_program_folder(e, settings.program_folder);
  replace(e2, L"/", L"//");
  replace(out, placeholder::f_path_2slash, protect_markup(settings, e2, true));
  replace(out, placeholder::f_path, protect_markup(settings, e, true));
  replace(out, placeholder::no_ext_fname, stem_of(settings, name));
  if (out.find(placeholder::f) != std::wstring::npos) {
    replace(out, placeholder::f, link_text_of(settings, name));
  }
  replace(out, placeholder::root_folder, root_prefix);
  replace(out, placeholder::dir,
          protect_markup(settings, dir_display(settings, settings.path), false));

  const std::wstring_view sep(&kPathSeparator, 1);
  std::wstring two = settings.path;
  replace(two, sep, std::wstring(2, kPathSeparator));
  if (two.empty() || two.back() != kPathSeparator) two.append(2, kPathSeparator);
  if (settings.full_pathname_links) {
    two = give_drive_of_program_folder(two, settings.program_folder);
  }
  replace(out, placeholder::two_slash_dir, protect_markup(settings, two, true));

  std::wstring forward = settings.path;
  replace(forward, sep, L"//");
  if (forward.empty() || forward.back() != L'/') forward += L"//";
  if (settings.full_pathname_links) {
    forward = give_drive_of_program_folder(forward, settings.program_folder);
  }
  replace(out, placeholder::two_fslash_dir, protect_markup(settings, forward, true));
  return out;
}

// Each placeholder takes its own number: "%%COLUMNS-1%" does not change the
// value of a plain "%%COLUMNS%" elsewhere in the text.
void expand_columns(std::wstring& text, int32_t column_count) {
  constexpr std::wstring_view kColumns = placeholder::columns;
  size_t pos = 0;
  while ((pos = text.find(kColumns, pos)) != std::wstring::npos) {
    const size_t after = pos + kColumns.size();
    int64_t n = 0;
    size_t end = std::wstring::npos;  // the closing "%"
    if (after < text.size() && text[after] == L'%') {
      end = after;
    } else if (after < text.size() && text[after] == L'-') {
      end = text.find(L'%', after + 1);
      if (end != std::wstring::npos) n = wide_atoi(text.substr(after + 1, end - after - 1));
    }
    if (end == std::wstring::npos) {
      pos = after;  // not a placeholder: left as it is
      continue;
    }
    const std::wstring value = to_wide(static_cast<int64_t>(column_count) - n);
    text.replace(pos, end + 1 - pos, value);
    pos += value.size();
  }
}

std::wstring take_file_marker(std::wstring& text, int form) {
  const marker_form& f = kForms[form == file_marker_tilde ? 1 : 0];
  const size_t pos = text.find(f.marker);
  if (pos == std::wstring::npos) return {};
  const size_t name_begin = pos + f.marker.size();
  text[name_begin - 1] = L'Z';
  const size_t end = text.find(f.end, name_begin);
  const size_t name_end = end == std::wstring::npos ? text.size() : end;
  std::wstring name = text.substr(name_begin, name_end - name_begin);
  text.erase(name_begin, end == std::wstring::npos ? std::wstring::npos : end + 1 - name_begin);
  return name;
}

std::wstring read_included_file(const build_settings& settings, std::wstring_view name,
                                std::wstring_view folder) {
  const std::wstring file = with_native_separators(name, native_path_style());
  const std::wstring_view here =
      folder.empty() ? std::wstring_view(settings.program_folder) : folder;
  std::wstring text;
  if (file.find(kPathSeparator) != std::wstring::npos) {
    // Given with a path: used as it stands (a relative path from the folder
    // being written, which is where the page's own links start).
    const std::wstring path =
        is_absolute_path(file, native_path_style()) ? file : join_path(here, file);
    if (!try_read(path, text)) text.clear();
    return text;
  }
  if (file.empty()) return {};
  for (const std::wstring_view dir : {here, std::wstring_view(settings.script.folder),
                                      std::wstring_view(settings.program_folder)}) {
    if (dir.empty()) continue;
    if (try_read(join_path(dir, file), text)) return text;
  }
  return {};
}

void expand_file_markers(const build_settings& settings, std::wstring& text,
                         std::wstring_view folder) {
  int budget = kMaxInclusions;
  expand_markers(
      settings, text, file_marker_percent, folder,
      [](std::wstring_view name) { return std::wstring(name); }, 0, budget);
}

void include_files(const build_settings& settings, std::wstring& text, const file_entry& entry,
                   std::wstring_view root_folder) {
  if (text.find(placeholder::tilde_file_marker) == std::wstring::npos) return;
  const std::wstring_view sep(&kPathSeparator, 1);
  std::wstring relative = entry.folder_path();
  replace(relative, L"/", sep);
  if (relative == sep) relative.clear();
  // A full folder path starts at the root folder, which is removed whole; only
  // a path below the base folder loses its leading separator.
  const bool below_root =
      !root_folder.empty() && root_folder != sep && starts_with(relative, root_folder);
  if (!below_root && relative.size() >= 1 && relative[0] == kPathSeparator &&
      (relative.size() == 1 || relative[1] != kPathSeparator)) {
    relative.erase(0, 1);
  }
  relative = without_root(relative, root_folder);

  const std::wstring stem_text = amp_only(stem(entry.name));
  const std::wstring name_text = amp_only(entry.name);
  auto name_of = [&](std::wstring_view written) {
    std::wstring f(written);
    replace(f, placeholder::relative_path, relative);
    replace(f, placeholder::no_ext_fname, stem_text);
    replace(f, placeholder::fname, name_text);
    replace(f, placeholder::folder, settings.path);
    return amp_only(f);
  };
  int budget = kMaxInclusions;
  expand_markers(settings, text, file_marker_tilde, settings.path, name_of, 0, budget);
}

}  // namespace tabulon
