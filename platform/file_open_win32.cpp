#include <share.h>

#include <cstdio>
#include <string>

#include "platform/file_open.h"

namespace tabulon {

std::FILE* open_file(std::wstring_view path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  // Others may read the file while it is open, but not write it.
  std::FILE* f = _wfsopen(std::wstring(path).c_str(), wide_mode.c_str(), _SH_DENYWR);
  if (f) std::setvbuf(f, nullptr, _IONBF, 0);
  return f;
}

}  // namespace tabulon
