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
#include <string_view>
#include <utility>
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
  std::wstring_view name;  // held by the dir_listing the item belongs to
  bool is_folder = false;
  int64_t size = 0;           // bytes; 0 for folders
  int64_t modified_time = 0;  // 100-ns units since 1601, UTC
  int64_t accessed_time = 0;
};

// The entries of one folder. The names live in one buffer of the listing
// rather than one heap block each, so a listing can be moved but not copied,
// and an item's name is valid while its listing lives.
class dir_listing {
 public:
  dir_listing() = default;
  dir_listing(dir_listing&&) noexcept = default;
  dir_listing& operator=(dir_listing&&) noexcept = default;
  dir_listing(const dir_listing&) = delete;
  dir_listing& operator=(const dir_listing&) = delete;

  // Adds an entry named `name` (copied; `item.name` is ignored). Names can
  // be read once the listing is sorted.
  void add(std::wstring_view name, const dir_item& item);
  // Puts the entries in ascending order of their names' code values.
  void sort_by_name();

  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const dir_item& operator[](size_t index) const { return items_[index]; }
  std::vector<dir_item>::const_iterator begin() const { return items_.begin(); }
  std::vector<dir_item>::const_iterator end() const { return items_.end(); }
  void clear() {
    items_.clear();
    pending_.clear();
    text_.clear();
  }

 private:
  std::vector<dir_item> items_;
  // Per item while the listing is not sorted: where its name starts in
  // text_, and its length. Empty once sorted.
  std::vector<std::pair<size_t, size_t>> pending_;
  std::vector<wchar_t> text_;  // the names, one after another
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
  // or cannot be opened (a previously open folder is closed either way); on
  // POSIX errno then holds the system's reason.
  bool open(const std::wstring& path);
  // Opens the subfolder `name` of `parent`; `full_path` is the same folder
  // as a full path, for systems that cannot open relative to a folder.
  // False when it cannot be opened.
  bool open_child(const open_folder& parent, std::wstring_view name, const std::wstring& full_path);

  bool is_open() const;
  // The identity of the open folder (zeros when none is open).
  folder_identity identity() const { return identity_; }

  // Every entry of the folder, by the rules above. Empty when the folder
  // cannot be read.
  dir_listing read_entries() const;

#ifndef _WIN32
  // The descriptor of the open folder (-1 when none), for calls that name a
  // file relative to it.
  int descriptor() const;
#endif

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
