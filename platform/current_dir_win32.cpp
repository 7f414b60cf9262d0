#include <windows.h>

#include <string>

#include "platform/current_dir.h"

namespace tabulon {

std::wstring current_directory() {
  const DWORD need = GetCurrentDirectoryW(0, nullptr);
  if (need == 0) return {};
  std::wstring buf(need, L'\0');
  const DWORD n = GetCurrentDirectoryW(need, buf.data());
  if (n == 0 || n >= need) return {};
  buf.resize(n);
  return buf;
}

bool set_current_directory(std::wstring_view path) {
  return SetCurrentDirectoryW(std::wstring(path).c_str()) != 0;
}

}  // namespace tabulon
