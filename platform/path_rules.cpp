#include "platform/path_rules.h"

namespace tabulon {

std::wstring with_native_separators(std::wstring_view path, path_style style) {
  std::wstring out(path);
  if (style.separator != L'\\') {
    for (auto& c : out) {
      if (c == L'\\') c = style.separator;
    }
  }
  return out;
}

bool is_absolute_path(std::wstring_view path, path_style style) {
  if (style.has_drives) {
    return path.substr(0, 2) == L"\\\\" || path.find(L':') != std::wstring_view::npos;
  }
  return !path.empty() && path[0] == style.separator;
}

std::wstring resolve_in_program_folder(std::wstring_view path, std::wstring_view program_folder,
                                       path_style style) {
  if (is_absolute_path(path, style)) return with_native_separators(path, style);
  std::wstring out(program_folder);
  out += with_native_separators(path, style);
  if (style.has_drives && !out.empty() && out[0] >= L'a' && out[0] <= L'z') out[0] -= 32;
  return out;
}

std::wstring give_drive_of_program_folder(std::wstring_view path, std::wstring_view program_folder,
                                          path_style style) {
  if (!style.has_drives || path.size() < 2) return std::wstring(path);
  if (path[0] == L'\\' && path[1] != L'\\') {
    return std::wstring(program_folder.substr(0, 2)) + std::wstring(path);
  }
  return std::wstring(path);
}

}  // namespace tabulon
