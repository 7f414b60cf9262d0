#include <windows.h>

#include "platform/loadable_module.h"

namespace tabulon {

void* load_module_function(const std::wstring& path, const char* symbol, std::wstring& error) {
  HMODULE module = LoadLibraryW(path.c_str());
  if (!module) {
    error = L"cannot load the module (error " + std::to_wstring(GetLastError()) + L")";
    return nullptr;
  }
  void* function = reinterpret_cast<void*>(GetProcAddress(module, symbol));
  if (!function)
    error = L"the module has no entry point (error " + std::to_wstring(GetLastError()) + L")";
  return function;
}

std::wstring module_file_name(const std::wstring& base) {
  return base + L".dll";
}

}  // namespace tabulon
