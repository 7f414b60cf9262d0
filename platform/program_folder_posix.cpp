#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "base/wide_string.h"
#include "platform/program_folder.h"

namespace tabulon {

std::wstring program_folder() {
  // /proc/self/exe names the executable with every link resolved; its length
  // is not bounded by PATH_MAX in general, so grow the buffer until it fits.
  std::string exe;
  for (size_t size = 1024; size <= (size_t{1} << 20); size *= 2) {
    std::string buf(size, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) break;
    if (static_cast<size_t>(n) < buf.size()) {
      exe.assign(buf.data(), static_cast<size_t>(n));
      break;
    }
  }
  const size_t slash = exe.rfind('/');
  if (slash == std::string::npos) return {};
  return from_native(exe.substr(0, slash + 1));
}

}  // namespace tabulon
