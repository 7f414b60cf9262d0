#pragma once
// Folder enumeration for the scan: an open folder is the scan's cursor, and
// reading it lists every entry once with its kind, size and times.
//
// Rules that hold on every system:
// - "." and ".." never appear; every other name does, dot names included
//   (the scan decides what to leave out).
// - Links are followed: a link to a file reads as that file, a link to a
//   folder as that folder. A link that points nowhere, and an entry that
//   vanishes or cannot be examined while the folder is read, is left out.
// - Times are 100-nanosecond units since 1 January 1601 (UTC).
// - Names are wide text. On POSIX a name that is not valid UTF-8 keeps its
//   bytes through the surrogate escape of base/wide_string.h, so opening it
//   again by that name reaches the same file.
// - Entries come in ascending order of their names' code values, so a listing
//   does not depend on the order the file system happens to keep.

#include <cstdint>
#include <string>
#include <vector>

namespace tabulon {

// Identifies a folder on the machine (device and inode, or volume and file
// index); the scan uses it to never enter a folder that is already on its path.
struct folder_identity {
  uint64_t device = 0;
  uint64_t inode = 0;
  friend bool operator==(const folder_identity&, const folder_identity&) = default;
};

struct dir_item {
  std::wstring name;
  bool is_folder = false;
  int64_t size = 0;           // bytes; 0 for folders
  int64_t modified_time = 0;  // 100-ns units since 1601, UTC
  int64_t accessed_time = 0;
};

// An open folder. Move-only; closes what it opened.
class open_folder {
 public:
  open_folder() = default;
  ~open_folder();
  open_folder(open_folder&& other) noexcept;
  open_folder& operator=(open_folder&& other) noexcept;
  open_folder(const open_folder&) = delete;
  open_folder& operator=(const open_folder&) = delete;

  // Opens the folder at `path`. False when it does not exist, is not a folder
  // or cannot be opened (a previously open folder is closed either way).
  bool open(const std::wstring& path);
  // Opens the subfolder `name` of `parent`; `full_path` is the same folder
  // as a full path, for systems that cannot open relative to a folder.
  // False when it cannot be opened.
  bool open_child(const open_folder& parent, const std::wstring& name,
                  const std::wstring& full_path);

  bool is_open() const;
  // The identity of the open folder (zeros when none is open).
  folder_identity identity() const { return identity_; }

  // Every entry of the folder, by the rules above. Empty when the folder
  // cannot be read.
  std::vector<dir_item> read_entries() const;

 private:
  void close();
#ifdef _WIN32
  std::wstring path_;
  bool open_ = false;
#else
  int fd_ = -1;
#endif
  folder_identity identity_;
};

}  // namespace tabulon
