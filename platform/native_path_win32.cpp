#include "platform/native_path.h"

namespace tabulon {

std::filesystem::path to_fs_path(std::wstring_view path) {
  return std::filesystem::path(std::wstring(path));
}

std::wstring from_fs_path(const std::filesystem::path& path) {
  return path.native();
}

}  // namespace tabulon
