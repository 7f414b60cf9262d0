#include <cstdio>
#include <string>

#include "base/wide_string.h"
#include "platform/file_open.h"

namespace tabulon {

std::FILE* open_file(std::wstring_view path, const char* mode) {
  const std::string native = to_native(path);
  std::FILE* f = std::fopen(native.c_str(), mode);
  if (f) std::setvbuf(f, nullptr, _IONBF, 0);
  return f;
}

}  // namespace tabulon
