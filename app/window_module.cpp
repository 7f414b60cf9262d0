#include "app/window_module.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/wide_string.h"
#include "platform/loadable_module.h"
#include "platform/native_path.h"
#include "platform/program_folder.h"

namespace tabulon {

namespace {

void say(const std::wstring& line) {
  std::fprintf(stderr, "%s\n", to_native(line).c_str());
}

}  // namespace

std::vector<std::wstring> window_module_candidates(const std::wstring& program_folder) {
  const std::wstring name = module_file_name(L"tabulon-window");
  const wchar_t sep = native_path_style().separator;
  return {program_folder + name,
          program_folder + L".." + sep + L"lib" + sep + L"tabulon" + sep + name};
}

int run_window_module(application& app) {
  const std::vector<std::wstring> candidates = window_module_candidates(program_folder());
  std::wstring path;
  for (const std::wstring& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(to_fs_path(candidate), error)) {
      path = candidate;
      break;
    }
  }
  if (path.empty()) {
    std::wstring places;
    for (const std::wstring& candidate : candidates)
      places += (places.empty() ? L"\"" : L" or \"") + candidate + L"\"";
    say(L"tabulon: the window is not installed: no " + places +
        L"; run \"tabulon CONFIG.init\" to build unattended");
    return 1;
  }
  std::wstring reason;
  auto entry =
      reinterpret_cast<window_entry_function>(load_module_function(path, kWindowEntry, reason));
  if (!entry) {
    say(L"tabulon: cannot load the window from \"" + path + L"\": " + reason);
    return 1;
  }
  return entry(&app);
}

}  // namespace tabulon
