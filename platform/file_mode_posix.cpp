#include <sys/stat.h>

#include <string>

#include "base/wide_string.h"
#include "platform/file_mode.h"

namespace tabulon {

bool make_executable(std::wstring_view path) {
  const std::string native = to_native(path);
  struct stat st {};
  if (::stat(native.c_str(), &st) != 0) return false;
  // Execute where read is allowed: rw-r--r-- becomes rwxr-xr-x, rw------- rwx------.
  const mode_t mode = st.st_mode & 07777;
  return ::chmod(native.c_str(), mode | ((mode & 0444) >> 2)) == 0;
}

}  // namespace tabulon
