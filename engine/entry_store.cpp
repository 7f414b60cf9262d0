#include "engine/entry_store.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "engine/file_entry.h"

namespace tabulon {

namespace {
// Large enough that a million entries take a few hundred blocks, small
// enough that a folder of ten files does not hold much unused memory.
constexpr size_t kBlockBytes = 64 * 1024;
}  // namespace

entry_store::~entry_store() {
  reset();
}

entry_store::entry_store(entry_store&& other) noexcept
    : blocks_(std::move(other.blocks_)),
      next_(std::exchange(other.next_, nullptr)),
      left_(std::exchange(other.left_, 0)),
      entries_(std::move(other.entries_)) {
  other.blocks_.clear();
  other.entries_.clear();
}

entry_store& entry_store::operator=(entry_store&& other) noexcept {
  if (this != &other) {
    reset();
    blocks_ = std::move(other.blocks_);
    next_ = std::exchange(other.next_, nullptr);
    left_ = std::exchange(other.left_, 0);
    entries_ = std::move(other.entries_);
    other.blocks_.clear();
    other.entries_.clear();
  }
  return *this;
}

void* entry_store::allocate(size_t bytes, size_t alignment) {
  size_t pad = (alignment - reinterpret_cast<uintptr_t>(next_) % alignment) % alignment;
  if (!next_ || pad + bytes > left_) {
    // A text longer than a block gets a block of its own.
    const size_t size = std::max(kBlockBytes, bytes + alignment);
    blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(size));
    next_ = blocks_.back().get();
    left_ = size;
    pad = (alignment - reinterpret_cast<uintptr_t>(next_) % alignment) % alignment;
  }
  void* at = next_ + pad;
  next_ += pad + bytes;
  left_ -= pad + bytes;
  return at;
}

file_entry* entry_store::make_entry() {
  void* at = allocate(sizeof(file_entry), alignof(file_entry));
  // Room is made before the entry exists, so a failure leaves nothing behind.
  if (entries_.size() == entries_.capacity())
    entries_.reserve(std::max<size_t>(64, 2 * entries_.capacity()));
  file_entry* entry = new (at) file_entry();
  entry->in_store = true;
  entries_.push_back(entry);
  return entry;
}

std::wstring_view entry_store::keep(std::wstring_view text) {
  if (text.empty()) return {};
  auto* at = static_cast<wchar_t*>(allocate(text.size() * sizeof(wchar_t), alignof(wchar_t)));
  std::memcpy(at, text.data(), text.size() * sizeof(wchar_t));
  return {at, text.size()};
}

void entry_store::reset() {
  for (file_entry* entry : entries_) entry->~file_entry();
  entries_.clear();
  blocks_.clear();
  next_ = nullptr;
  left_ = 0;
}

}  // namespace tabulon
