#include "base/wide_string.h"
#include "platform/native_path.h"

namespace tabulon {

std::filesystem::path to_fs_path(std::wstring_view path) {
  return std::filesystem::path(to_native(path));
}

std::wstring from_fs_path(const std::filesystem::path& path) {
  return from_native(path.native());
}

}  // namespace tabulon
