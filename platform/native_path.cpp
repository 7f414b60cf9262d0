#include "platform/native_path.h"

namespace tabulon {

std::wstring join_path(std::wstring_view folder, std::wstring_view name) {
  std::wstring result(folder);
  if (!result.empty() && result.back() != kPathSeparator) result += kPathSeparator;
  result += name;
  return result;
}

bool is_filesystem_root(std::wstring_view path) {
  if constexpr (native_path_style().has_drives) {
    return path.size() == 3 && path[1] == L':' && path[2] == kPathSeparator;
  } else {
    return path.size() == 1 && path[0] == kPathSeparator;
  }
}

}  // namespace tabulon
