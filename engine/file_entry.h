#pragma once
// file_entry: one scanned file, or one subfolder or parent link that page
// assembly creates, and entry_list, the ordered list of them that a page owns.
//
// Keeping an entry small: every entry of one folder shares one entry_folder
// record (its `folder_path` and `folder_key`), and the fields that only some
// builds need (`extension`, `link_title`) are allocated only when present.
// The scan makes its entries, names and keys in the list's entry_store
// (engine/entry_store.h) rather than one heap block each; an entry made on
// its own (make_file_entry) owns its texts.
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

#include "engine/entry_store.h"

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
  // The texts live in the entry's list store, in `owned_text`, or (for an
  // entry on the stack) wherever the maker keeps them for the entry's life.
  std::wstring_view name;      // as the system reports it, without a path
  std::wstring_view name_key;  // `name` upper-cased, or the upper-cased link title when
                               // titles are used and the sort is by name
  entry_folder_ref folder;     // never null for entries made by make_file_entry
  std::unique_ptr<std::wstring> extension;   // only when sorting by extension
  std::unique_ptr<std::wstring> link_title;  // only when titles are used for links
  int64_t size = 0;                          // bytes; 0 for folders and links
  int64_t modified_time = 0;              // 100-ns units since 1601 (UTC); 0 for folders and links
  int64_t accessed_time = 0;              // same scale; 0 for folders and links
  std::unique_ptr<wchar_t[]> owned_text;  // `name` and `name_key` of make_file_entry
  bool in_store = false;                  // made by an entry_store, which destroys it

  const std::wstring& folder_path() const;  // empty when the entry has no folder
  const std::wstring& folder_key() const;
  // The extension, or an empty text when the entry carries none.
  const std::wstring& extension_text() const;
};

// Frees an entry unless a store made it; the store destroys those itself.
struct entry_delete {
  void operator()(file_entry* entry) const noexcept;
};
using entry_ptr = std::unique_ptr<file_entry, entry_delete>;

// A new entry on its own with `name`, its upper-cased `name_key` (both owned
// by the entry) and the shared `folder`.
entry_ptr make_file_entry(std::wstring_view name, entry_folder_ref folder);

// The text after the last "." of `name`, or empty when the name has none.
std::wstring extension_of(std::wstring_view name);

struct entry_list {
  // Entries from `store` stay in this list: another list would outlive them.
  // Declared before `items`, so the store outlives the pointers to its entries.
  entry_store store;
  std::deque<entry_ptr> items;  // head first; never holds null
  bool sorted = false;          // set by sort_entries

  entry_list() = default;
  entry_list(entry_list&&) = default;
  entry_list& operator=(entry_list&& other) noexcept {
    if (this != &other) {
      items.clear();  // before the store that holds their entries goes
      store = std::move(other.store);
      items = std::move(other.items);
      sorted = other.sorted;
    }
    return *this;
  }

  size_t size() const { return items.size(); }
  bool empty() const { return items.empty(); }
  file_entry& operator[](size_t index) const { return *items[index]; }
  void push_front(entry_ptr entry) { items.push_front(std::move(entry)); }
  void push_back(entry_ptr entry) { items.push_back(std::move(entry)); }
  // A new entry in the list's store with copies of `name` and `key` (the
  // key shares the name's copy when they are equal) and the shared `folder`;
  // the caller places it in `items`.
  entry_ptr make_entry(std::wstring_view name, std::wstring_view key, entry_folder_ref folder);
  // Destroys every entry.
  void clear() {
    items.clear();
    store.reset();
    sorted = false;
  }
};

}  // namespace tabulon
