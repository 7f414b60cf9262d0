#include <windows.h>

#include <string>

#include "platform/program_folder.h"

namespace tabulon {

std::wstring program_folder() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) {
      buf.resize(n);
      break;
    }
    buf.resize(buf.size() * 2);
  }
  const size_t slash = buf.rfind(L'\\');
  if (slash == std::wstring::npos) return {};
  buf.resize(slash + 1);
  if (buf[0] >= L'a' && buf[0] <= L'z') buf[0] = static_cast<wchar_t>(buf[0] - 32);
  return buf;
}

}  // namespace tabulon
