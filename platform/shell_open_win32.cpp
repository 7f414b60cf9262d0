#include <windows.h>

// shellapi.h needs the declarations of windows.h first.
#include <shellapi.h>

#include <string>

#include "platform/shell_open.h"

namespace tabulon {

bool shell_open(std::wstring_view document) {
  const std::wstring doc(document);
  const auto r = ShellExecuteW(nullptr, L"open", doc.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(r) > 32;
}

bool shell_open_with(std::wstring_view program, std::wstring_view parameter) {
  const std::wstring prog(program), param(parameter);
  const auto r =
      ShellExecuteW(nullptr, L"open", prog.c_str(), param.c_str(), nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(r) > 32;
}

}  // namespace tabulon
