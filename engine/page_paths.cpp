#include "engine/page_paths.h"

#include "platform/path_rules.h"

namespace tabulon {

namespace {

std::wstring_view without_trailing_separator(std::wstring_view path) {
  while (path.size() > 1 && path.back() == kPathSeparator && !is_filesystem_root(path))
    path.remove_suffix(1);
  return path;
}

size_t separator_count(std::wstring_view path) {
  size_t n = 0;
  for (wchar_t c : path) n += (c == kPathSeparator);
  return n;
}

}  // namespace

std::wstring folder_own_name(std::wstring_view folder) {
  if (is_filesystem_root(folder)) return std::wstring(folder);
  folder = without_trailing_separator(folder);
  const size_t last = folder.rfind(kPathSeparator);
  return std::wstring(last == std::wstring_view::npos ? folder : folder.substr(last + 1));
}

std::wstring relative_to_root(std::wstring_view folder, std::wstring_view root) {
  folder = without_trailing_separator(folder);
  root = without_trailing_separator(root);
  std::wstring rest(folder);
  if (!root.empty() && folder.starts_with(root) &&
      (folder.size() == root.size() || folder[root.size()] == kPathSeparator ||
       root.back() == kPathSeparator))
    rest = folder.substr(root.size());
  if (rest.empty() || rest.front() != kPathSeparator) rest.insert(rest.begin(), kPathSeparator);
  return rest;
}

std::wstring root_prefix_of(std::wstring_view folder, std::wstring_view root) {
  if (root.empty()) return {};
  folder = without_trailing_separator(folder);
  root = without_trailing_separator(root);
  if (folder == root) return {};
  const size_t f = separator_count(folder);
  const size_t r = separator_count(root) - (is_filesystem_root(root) ? 1 : 0);
  std::wstring prefix;
  for (size_t i = r; i < f; ++i) prefix += L"../";
  return prefix;
}

std::wstring output_path_of(std::wstring_view folder, std::wstring_view output_filename,
                            std::wstring_view program_folder) {
  const bool has_separator = output_filename.find(kPathSeparator) != std::wstring_view::npos;
  if (!has_separator) return join_path(folder, output_filename);
  if (is_absolute_path(output_filename, native_path_style())) return std::wstring(output_filename);
  return join_path(program_folder, output_filename);
}

}  // namespace tabulon
