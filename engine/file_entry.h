#pragma once
// file_entry: one scanned file, or one subfolder or parent link that page
// assembly creates, and entry_list, the ordered list of them that a page owns.
//
// Keeping an entry small: every entry of one folder shares one entry_folder
// record (its `folder_path` and `folder_key`), and the fields that only some
// builds need (`extension`, `link_title`) are allocated only when present.
//
// entry_list keeps its entries head first. The scan puts each new entry at
// the head, so an unsorted list holds the entries in the reverse order of
// their discovery; sort_entries (engine/sort.h) and arrange_in_columns
// (engine/column_arrange.h) reorder it in place.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

namespace tabulon {

// The folder part of an entry, shared by all entries of that folder.
struct entry_folder {
  std::wstring path;  // "/"-separated, ending in "/": "/" and "/a/b/" below the base
                      // folder of a one-page build, the full path otherwise
  std::wstring key;   // `path` upper-cased (a to z only)
};
using entry_folder_ref = std::shared_ptr<const entry_folder>;

// A shared folder record for `path` (taken as it is) and its upper-cased key.
entry_folder_ref make_entry_folder(std::wstring path);

struct file_entry {
  std::wstring name;        // as the system reports it, without a path
  std::wstring name_key;    // `name` upper-cased, or the upper-cased link title when
                            // titles are used and the sort is by name
  entry_folder_ref folder;  // never null for entries made by make_file_entry
  std::unique_ptr<std::wstring> extension;   // only when sorting by extension
  std::unique_ptr<std::wstring> link_title;  // only when titles are used for links
  int64_t size = 0;                          // bytes; 0 for folders and links
  int64_t modified_time = 0;  // 100-ns units since 1601 (UTC); 0 for folders and links
  int64_t accessed_time = 0;  // same scale; 0 for folders and links

  const std::wstring& folder_path() const;  // empty when the entry has no folder
  const std::wstring& folder_key() const;
  // The extension, or an empty text when the entry carries none.
  const std::wstring& extension_text() const;
};

// A new entry with `name`, its upper-cased `name_key` and the shared `folder`.
std::unique_ptr<file_entry> make_file_entry(std::wstring name, entry_folder_ref folder);

// The text after the last "." of `name`, or empty when the name has none.
std::wstring extension_of(std::wstring_view name);

struct entry_list {
  std::deque<std::unique_ptr<file_entry>> items;  // head first; never holds null
  bool sorted = false;                            // set by sort_entries

  size_t size() const { return items.size(); }
  bool empty() const { return items.empty(); }
  file_entry& operator[](size_t index) const { return *items[index]; }
  void push_front(std::unique_ptr<file_entry> entry) { items.push_front(std::move(entry)); }
  void push_back(std::unique_ptr<file_entry> entry) { items.push_back(std::move(entry)); }
  // Destroys every entry.
  void clear() {
    items.clear();
    sorted = false;
  }
};

}  // namespace tabulon
