#include "engine/sort.h"

#include <algorithm>
#include <ctime>
#include <iterator>
#include <memory>
#include <random>
#include <vector>

#include "app/build_settings.h"

namespace tabulon {

namespace {

using entry_ptr = std::unique_ptr<file_entry>;

struct sort_cancelled {};

int compare_text(const std::wstring& a, const std::wstring& b) {
  return a.compare(b);
}

// Strictly "a goes before b". Each type reads as the quicksort's test of an
// element against its pivot, and each is a strict weak order, so any correct
// sort puts every pair it can tell apart in the same order.
class entry_order {
 public:
  // `comparisons` is shared by every copy the sort algorithm makes.
  entry_order(int32_t kind, bool descending, bool group, build_progress* progress,
              uint64_t* comparisons)
      : kind_(kind),
        descending_(descending),
        group_(group),
        progress_(progress),
        comparisons_(comparisons) {}

  bool operator()(const entry_ptr& a, const entry_ptr& b) const {
    if (progress_) check_progress();
    return before(*a, *b);
  }

  bool before(const file_entry& a, const file_entry& b) const {
    if (group_ && a.folder != b.folder) {
      const int c = compare_text(a.folder_key(), b.folder_key());
      if (c != 0) return c < 0;
    }
    switch (kind_) {
      case sort_unsorted:
      case sort_random:
        return false;
      case sort_by_size:
        if (a.size != b.size) return descending_ ? a.size > b.size : a.size < b.size;
        return compare_text(a.name_key, b.name_key) < 0;
      case sort_by_extension: {
        const int c = compare_text(a.extension_text(), b.extension_text());
        if (c != 0) return descending_ ? c > 0 : c < 0;
        return compare_text(a.name_key, b.name_key) < 0;
      }
      case sort_by_date:
        return by_time(a.modified_time, b.modified_time, a, b);
      case sort_by_access:
        return by_time(a.accessed_time, b.accessed_time, a, b);
      case sort_by_name:
      default: {
        int c = compare_text(a.name_key, b.name_key);
        if (c == 0) c = compare_text(a.folder_path(), b.folder_path());
        return descending_ ? c > 0 : c < 0;
      }
    }
  }

 private:
  bool by_time(int64_t ta, int64_t tb, const file_entry& a, const file_entry& b) const {
    if (ta != tb) return descending_ ? ta > tb : ta < tb;
    const int c = compare_text(a.name_key, b.name_key);
    return descending_ ? c < 0 : c > 0;
  }

  void check_progress() const {
    if (progress_->cancelled) throw sort_cancelled{};
    if (++*comparisons_ % 50 == 0 && notify(*progress_)) throw sort_cancelled{};
  }

  int32_t kind_;
  bool descending_;
  bool group_;
  build_progress* progress_;
  uint64_t* comparisons_;
};

// Shuffles each run of entries that share a folder (the whole array when
// not grouping).
void shuffle_runs(std::vector<entry_ptr>& entries, bool group, build_progress* progress) {
  std::mt19937 random(static_cast<uint32_t>(std::time(nullptr)));
  size_t begin = 0;
  while (begin < entries.size()) {
    size_t end = entries.size();
    if (group) {
      end = begin + 1;
      while (end < entries.size() && entries[end]->folder_key() == entries[begin]->folder_key())
        ++end;
    }
    std::shuffle(entries.begin() + begin, entries.begin() + end, random);
    if (progress && (progress->cancelled || notify(*progress))) throw sort_cancelled{};
    begin = end;
  }
}

}  // namespace

bool sort_entries(entry_list& list, int32_t kind, bool descending, bool group_by_folder,
                  build_progress* progress) {
  list.sorted = true;
  if (list.empty()) return true;
  if (progress && progress->cancelled) {
    list.clear();
    return false;
  }
  // Nothing can move: no key and no grouping.
  if (kind == sort_unsorted && !group_by_folder) return true;

  std::vector<entry_ptr> entries(std::make_move_iterator(list.items.begin()),
                                 std::make_move_iterator(list.items.end()));
  list.items.clear();
  try {
    uint64_t comparisons = 0;
    const entry_order order(kind, descending, group_by_folder, progress, &comparisons);
    // Stable merge sort: O(n log n) and shallow however many keys are equal.
    // Random order without grouping needs no sorting before the shuffle.
    if (kind != sort_random || group_by_folder)
      std::stable_sort(entries.begin(), entries.end(), order);
    if (kind == sort_random) shuffle_runs(entries, group_by_folder, progress);
  } catch (const sort_cancelled&) {
    entries.clear();
    list.clear();
    return false;
  }
  list.items.assign(std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
  list.sorted = true;
  return true;
}

void remove_duplicate_entries(entry_list& list) {
  if (list.size() < 2) return;
  std::deque<entry_ptr> kept;
  for (entry_ptr& entry : list.items) {
    if (!kept.empty() && kept.back()->name == entry->name &&
        kept.back()->folder_path() == entry->folder_path())
      continue;  // destroyed with the old deque
    kept.push_back(std::move(entry));
  }
  list.items.swap(kept);
}

}  // namespace tabulon
