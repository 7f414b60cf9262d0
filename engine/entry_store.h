#pragma once
// entry_store: storage for the entries of one entry_list and their texts.
//
// A scan of a large tree makes one entry per file, and every entry carries
// its name and its upper-cased key. Taking each of them from the heap cost
// three allocations per file, three frees at the end and scattered memory
// for the sort and the page to walk. The store hands out entries and texts
// from large blocks instead, in the order they are made, and releases the
// blocks together. Nothing it hands out moves or is freed before the store.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace tabulon {

struct file_entry;

class entry_store {
 public:
  entry_store() = default;
  ~entry_store();
  entry_store(entry_store&& other) noexcept;
  entry_store& operator=(entry_store&& other) noexcept;
  entry_store(const entry_store&) = delete;
  entry_store& operator=(const entry_store&) = delete;

  // A new, empty entry; it lives until the store is destroyed or reset.
  file_entry* make_entry();
  // A copy of `text` that lives as long as the store.
  std::wstring_view keep(std::wstring_view text);

  // Destroys every entry and drops every text.
  void reset();

 private:
  void* allocate(size_t bytes, size_t alignment);

  std::vector<std::unique_ptr<std::byte[]>> blocks_;
  std::byte* next_ = nullptr;  // free space of the newest block
  size_t left_ = 0;
  std::vector<file_entry*> entries_;  // made here; destroyed by reset()
};

}  // namespace tabulon
