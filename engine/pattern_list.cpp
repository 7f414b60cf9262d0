#include "engine/pattern_list.h"

#include "base/wide_string.h"
#include "engine/wildcard.h"

namespace tabulon {

namespace {
bool has_wildcard(std::wstring_view text) {
  return text.find_first_of(L"*?") != std::wstring_view::npos;
}
}  // namespace

std::vector<std::wstring> split_pattern_list(std::wstring_view text) {
  std::vector<std::wstring> items;
  std::wstring current;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L';') current += text[i];
    if (text[i] == L';' || i + 1 == text.size()) {
      items.push_back(std::move(current));
      current.clear();
    }
  }
  return items;
}

std::vector<std::wstring> make_include_patterns(std::wstring_view setting) {
  std::vector<std::wstring> patterns;
  if (setting.empty()) return patterns;
  for (std::wstring& item : split_pattern_list(setting)) {
    // An empty item stays empty: wrapped in stars it would let every name in.
    if (!item.empty() && !has_wildcard(item)) item = L"*" + item + L"*";
    patterns.push_back(upper_ascii(item));
  }
  return patterns;
}

std::wstring prepare_exclude_pattern(std::wstring_view item) {
  std::wstring pattern = upper_ascii(item);
  if (!has_wildcard(pattern)) pattern = L"*" + pattern + L"*";
  return pattern;
}

void rebuild_pattern_lists(scan_context& context) {
  const build_settings& settings = *context.settings;
  context.include_patterns = make_include_patterns(settings.filename_include_strings);
  context.exclude_patterns = split_pattern_list(settings.skip_files);
  context.included_folder_patterns = split_pattern_list(settings.included_folders);
}

bool file_spec_matches(std::wstring_view upper_item, std::wstring_view upper_name) {
  if (upper_item.empty()) return false;
  if (wildcard_match(upper_item, upper_name)) return true;
  // A folder search lets a final ".*" stand for "no extension" as well.
  if (ends_with(upper_item, L".*") && upper_name.find(L'.') == std::wstring_view::npos)
    return wildcard_match(upper_item.substr(0, upper_item.size() - 2), upper_name);
  return false;
}

}  // namespace tabulon
