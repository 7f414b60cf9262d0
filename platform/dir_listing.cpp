#include <algorithm>

#include "platform/dir_enum.h"

namespace tabulon {

void dir_listing::add(std::wstring_view name, const dir_item& item) {
  if (pending_.size() < items_.size()) {
    // The listing was sorted: its names point into the buffer, which may
    // move now. Note where each starts instead.
    for (size_t i = pending_.size(); i < items_.size(); ++i)
      pending_.push_back(
          {static_cast<size_t>(items_[i].name.data() - text_.data()), items_[i].name.size()});
  }
  if (items_.capacity() == 0) {
    // Room for a typical folder at once, rather than growing step by step.
    items_.reserve(32);
    pending_.reserve(32);
    text_.reserve(32 * 32);
  }
  pending_.push_back({text_.size(), name.size()});
  text_.insert(text_.end(), name.begin(), name.end());
  items_.push_back(item);
  items_.back().name = {};
}

void dir_listing::sort_by_name() {
  // The buffer no longer grows: the names can point into it.
  for (size_t i = 0; i < pending_.size(); ++i)
    items_[i].name = std::wstring_view(text_.data() + pending_[i].first, pending_[i].second);
  pending_.clear();
  std::sort(items_.begin(), items_.end(), [](const dir_item& a, const dir_item& b) {
    // Inline: a folder's names are compared a few times each, and most
    // differ within their first characters.
    const size_t n = std::min(a.name.size(), b.name.size());
    for (size_t i = 0; i < n; ++i) {
      if (a.name[i] != b.name[i]) return a.name[i] < b.name[i];
    }
    return a.name.size() < b.name.size();
  });
}

}  // namespace tabulon
