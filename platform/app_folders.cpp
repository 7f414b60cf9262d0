#include "platform/app_folders.h"

#include <utility>

#include "platform/program_folder.h"

namespace tabulon {

namespace {

std::wstring with_trailing_separator(std::wstring folder, wchar_t separator) {
  if (!folder.empty() && folder.back() != separator) folder.push_back(separator);
  return folder;
}

// "/usr/bin/" -> "/usr/"; a folder without a parent stays as it is.
std::wstring parent_folder(std::wstring_view folder, wchar_t separator) {
  if (folder.size() < 2) return std::wstring(folder);
  const size_t cut = folder.rfind(separator, folder.size() - 2);
  if (cut == std::wstring_view::npos) return std::wstring(folder);
  return std::wstring(folder.substr(0, cut + 1));
}

// Decided on first use, so code that never calls use_app_folders still finds
// the running program's files.
app_folders& active() {
  static app_folders folders = detect_app_folders();
  return folders;
}

}  // namespace

app_folders build_tree_folders(std::wstring program) {
  app_folders folders;
  folders.user = program;
  folders.data = program;
  folders.program = std::move(program);
  return folders;
}

app_folders installed_folders(std::wstring program, std::wstring data, std::wstring user) {
  const wchar_t sep = native_path_style().separator;
  app_folders folders;
  folders.program = with_trailing_separator(std::move(program), sep);
  folders.data = with_trailing_separator(std::move(data), sep);
  folders.user = with_trailing_separator(std::move(user), sep);
  return folders;
}

app_folders app_folders_for(std::wstring program, std::wstring config_home, path_style style) {
  const wchar_t sep = style.separator;
  if (program.empty()) return build_tree_folders(std::move(program));
  program = with_trailing_separator(std::move(program), sep);
  std::wstring data = parent_folder(program, sep) + L"share" + sep + L"tabulon" + sep;
  if (!path_exists(data)) {
    return build_tree_folders(std::move(program));
  }
  app_folders folders;
  folders.program = std::move(program);
  // Without a home the program still reads its data; writing then fails with
  // the system's reason instead of landing in some shared place.
  folders.user = config_home.empty()
                     ? data
                     : with_trailing_separator(std::move(config_home), sep) + L"tabulon" + sep;
  folders.data = std::move(data);
  return folders;
}

app_folders detect_app_folders() {
  return app_folders_for(program_folder(), user_config_home());
}

std::wstring path_for_reading(const app_folders& folders, std::wstring_view name,
                              path_style style) {
  if (is_absolute_path(name, style)) return with_native_separators(name, style);
  const std::wstring relative = with_native_separators(name, style);
  std::wstring mine = folders.user + relative;
  if (!folders.installed() || path_exists(mine)) return mine;
  std::wstring shared = folders.data + relative;
  return path_exists(shared) ? shared : mine;
}

std::wstring path_for_writing(const app_folders& folders, std::wstring_view name,
                              path_style style) {
  if (is_absolute_path(name, style)) return with_native_separators(name, style);
  if (folders.installed()) make_folders(folders.user);
  return folders.user + with_native_separators(name, style);
}

void use_app_folders(app_folders folders) {
  active() = std::move(folders);
}

const app_folders& active_app_folders() {
  return active();
}

scoped_app_folders::scoped_app_folders(app_folders folders) : saved_(active()) {
  active() = std::move(folders);
}

scoped_app_folders::~scoped_app_folders() {
  active() = std::move(saved_);
}

}  // namespace tabulon
