#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/app_folders.h"

namespace tabulon {

bool path_exists(std::wstring_view path) {
  return GetFileAttributesW(std::wstring(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool make_folders(std::wstring_view folder) {
  const std::wstring path(folder);
  // Every prefix that ends before a separator is a parent; the whole path last.
  for (size_t i = 1; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != L'\\' && path[i] != L'/') continue;
    const std::wstring part = path.substr(0, i);
    if (part.size() == 2 && part[1] == L':') continue;  // a drive, not a folder
    if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      return false;
    }
  }
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring user_config_home() {
  const wchar_t* appdata = _wgetenv(L"APPDATA");
  if (!appdata || !appdata[0]) return {};
  std::wstring home = appdata;
  while (!home.empty() && (home.back() == L'\\' || home.back() == L'/')) home.pop_back();
  return home;
}

}  // namespace tabulon
