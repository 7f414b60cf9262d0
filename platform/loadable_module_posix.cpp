#include <dlfcn.h>

#include "base/wide_string.h"
#include "platform/loadable_module.h"

namespace tabulon {

void* load_module_function(const std::wstring& path, const char* symbol, std::wstring& error) {
  void* module = ::dlopen(to_native(path).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    error = from_native(::dlerror());
    return nullptr;
  }
  void* function = ::dlsym(module, symbol);
  if (!function) error = from_native(::dlerror());
  return function;
}

std::wstring module_file_name(const std::wstring& base) {
  return base + L".so";
}

}  // namespace tabulon
