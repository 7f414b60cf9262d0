#include <errno.h>
#include <unistd.h>

#include <string>

#include "base/wide_string.h"
#include "platform/current_dir.h"

namespace tabulon {

std::wstring current_directory() {
  // No fixed buffer: grow until the whole path fits.
  for (size_t size = 1024; size <= (size_t{1} << 24); size *= 2) {
    std::string buf(size, '\0');
    if (::getcwd(buf.data(), buf.size())) return from_native(buf.c_str());
    if (errno != ERANGE) return {};
  }
  return {};
}

bool set_current_directory(std::wstring_view path) {
  return ::chdir(to_native(path).c_str()) == 0;
}

}  // namespace tabulon
