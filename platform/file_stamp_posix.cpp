#include <sys/stat.h>

#include <string>

#include "base/wide_string.h"
#include "platform/file_stamp.h"
#include "platform/file_time.h"

namespace tabulon {

std::optional<file_stamp> stamp_of(std::wstring_view path) {
  struct stat st {};
  if (::stat(to_native(path).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  return file_stamp{file_time_from_unix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec),
                    static_cast<uint64_t>(st.st_size)};
}

}  // namespace tabulon
