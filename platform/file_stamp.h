#pragma once
// A file's size and modification time read in one call: enough to tell
// whether a file read earlier may have changed since.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tabulon {

struct file_stamp {
  int64_t modified = 0;  // file time (platform/file_time.h)
  uint64_t size = 0;
  bool operator==(const file_stamp&) const = default;
};

// The stamp of the file `path` (links followed); nothing when it cannot be
// read or names a folder.
std::optional<file_stamp> stamp_of(std::wstring_view path);

}  // namespace tabulon
