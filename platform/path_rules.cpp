#include "platform/path_rules.h"

#include "platform/app_folders.h"

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

namespace {

// The user folder of an installed program, when `program_folder` is that folder.
const app_folders* installed_user_folder(std::wstring_view program_folder) {
  const app_folders& folders = active_app_folders();
  return folders.installed() && program_folder == folders.user ? &folders : nullptr;
}

using installed_rule = std::wstring (*)(const app_folders&, std::wstring_view, path_style);

// An absolute `path` as it is; a relative one by `rule` in an installed
// program's folders, elsewhere in the program folder.
std::wstring resolve_with(std::wstring_view path, std::wstring_view program_folder,
                          path_style style, installed_rule rule) {
  if (is_absolute_path(path, style)) return with_native_separators(path, style);
  if (const app_folders* folders = installed_user_folder(program_folder)) {
    return rule(*folders, path, style);
  }
  std::wstring out(program_folder);
  out += with_native_separators(path, style);
  if (style.has_drives && !out.empty() && out[0] >= L'a' && out[0] <= L'z') out[0] -= 32;
  return out;
}

}  // namespace

std::wstring resolve_in_program_folder(std::wstring_view path, std::wstring_view program_folder,
                                       path_style style) {
  return resolve_with(path, program_folder, style, path_for_reading);
}

std::wstring resolve_for_writing(std::wstring_view path, std::wstring_view program_folder,
                                 path_style style) {
  return resolve_with(path, program_folder, style, path_for_writing);
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
