#include <windows.h>

#include <string>

#include "platform/file_stamp.h"

namespace tabulon {

std::optional<file_stamp> stamp_of(std::wstring_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(std::wstring(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  // FILETIME already counts 100-nanosecond ticks since 1601.
  const int64_t modified =
      static_cast<int64_t>((static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                           data.ftLastWriteTime.dwLowDateTime);
  const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return file_stamp{modified, size};
}

}  // namespace tabulon
