#include "engine/sort.h"

#include <algorithm>
#include <ctime>
#include <iterator>
#include <memory>
#include <random>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/build_settings.h"

namespace tabulon {

namespace {

struct sort_cancelled {};

// One entry as the sort sees it. The keys that decide most comparisons are
// held inline, so that a comparison seldom has to reach the entry itself:
// a million scattered entries would otherwise cost a cache miss or two per
// comparison.
struct sort_item {
  uint64_t prefix0 = 0;  // name_key characters cp..cp+2 (cp: the prefix all keys share)
  uint64_t prefix1 = 0;  // characters cp+3..cp+5
  uint64_t prefix2 = 0;  // characters cp+6..cp+8
  int64_t primary = 0;   // size, time, extension rank or random draw
  file_entry* entry = nullptr;
  uint32_t group = 0;  // rank of the folder key, when grouping
  uint32_t index = 0;  // position in the list before the sort
};

constexpr uint64_t kMaxPackedChar = 0x1FFFFF;

int sign(int value) {
  return (value > 0) - (value < 0);
}
template <typename T>
int compare_values(T a, T b) {
  return (a > b) - (a < b);
}

// Three characters in 63 bits, ordered as the characters are; past the end
// counts as 0. False when a character does not fit, and the prefixes then
// cannot be used.
bool pack3(std::wstring_view key, size_t from, uint64_t& packed) {
  packed = 0;
  for (size_t i = 0; i < 3; ++i) {
    const size_t at = from + i;
    uint64_t c = 0;
    if (at < key.size()) {
      // A negative character (a signed wchar_t) converts to a huge value here.
      if (static_cast<uint64_t>(key[at]) > kMaxPackedChar) return false;
      c = static_cast<uint64_t>(key[at]);
    }
    packed = (packed << 21) | c;
  }
  return true;
}

size_t common_prefix_length(const std::vector<sort_item>& items) {
  const std::wstring_view first = items.front().entry->name_key;
  size_t length = first.size();
  for (const sort_item& item : items) {
    const std::wstring_view key = item.entry->name_key;
    length = std::min(length, key.size());
    size_t i = 0;
    while (i < length && key[i] == first[i]) ++i;
    length = i;
    if (length == 0) break;
  }
  return length;
}

void fill_name_prefixes(std::vector<sort_item>& items) {
  const size_t skip = common_prefix_length(items);
  for (sort_item& item : items) {
    const std::wstring_view key = item.entry->name_key;
    if (!pack3(key, skip, item.prefix0) || !pack3(key, skip + 3, item.prefix1) ||
        !pack3(key, skip + 6, item.prefix2)) {
      for (sort_item& reset : items) reset.prefix0 = reset.prefix1 = reset.prefix2 = 0;
      return;
    }
  }
}

// Ranks of a text key over the items: equal texts share a rank, and ranks
// follow the texts' order.
template <typename key_of>
std::vector<uint32_t> text_ranks(const std::vector<sort_item>& items, key_of key) {
  std::unordered_map<std::wstring_view, uint32_t> slot;
  std::vector<std::wstring_view> distinct;
  std::vector<uint32_t> slot_of_item(items.size());
  std::wstring_view last;
  uint32_t last_slot = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    const std::wstring_view text = key(*items[i].entry);
    // Entries of one folder share their folder record: skip the hashing.
    if (i > 0 && text.data() == last.data() && text.size() == last.size()) {
      slot_of_item[i] = last_slot;
      continue;
    }
    auto [it, added] = slot.emplace(text, static_cast<uint32_t>(distinct.size()));
    if (added) distinct.push_back(text);
    slot_of_item[i] = last_slot = it->second;
    last = text;
  }
  std::vector<uint32_t> order(distinct.size());
  for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](uint32_t a, uint32_t b) { return distinct[a] < distinct[b]; });
  std::vector<uint32_t> rank_of_slot(distinct.size());
  for (uint32_t r = 0; r < order.size(); ++r) rank_of_slot[order[r]] = r;
  for (uint32_t& s : slot_of_item) s = rank_of_slot[s];
  return slot_of_item;
}

// The order of two items: negative when `a` goes first, 0 when the type
// cannot tell them apart. Every type is a strict weak order (keys, then the
// tie-break of the header's table), so any correct sort agrees on every pair
// it tells apart.
class item_order {
 public:
  item_order(int32_t kind, bool descending, bool group, build_progress* progress,
             uint64_t* comparisons)
      : kind_(kind),
        descending_(descending),
        group_(group),
        progress_(progress),
        comparisons_(comparisons) {}

  // Ties fall back to the list position, so the result is the same as a
  // stable sort's while the algorithm itself need not be stable.
  bool operator()(const sort_item& a, const sort_item& b) const {
    if (progress_) check_progress();
    const int c = compare(a, b);
    return c != 0 ? c < 0 : a.index < b.index;
  }

  // True when `a` goes strictly before `b` by the keys alone.
  bool keys_before(const sort_item& a, const sort_item& b) const { return compare(a, b) < 0; }

 private:
  int compare(const sort_item& a, const sort_item& b) const {
    if (group_ && a.group != b.group) return a.group < b.group ? -1 : 1;
    switch (kind_) {
      case sort_unsorted:
        return 0;
      case sort_random:
        return compare_values(a.primary, b.primary);
      case sort_by_size:
      case sort_by_extension:
        if (a.primary != b.primary) return directed(compare_values(a.primary, b.primary));
        return compare_keys(a, b);
      case sort_by_date:
      case sort_by_access:
        if (a.primary != b.primary) return directed(compare_values(a.primary, b.primary));
        return -directed(compare_keys(a, b));
      case sort_by_name:
      default: {
        int c = compare_keys(a, b);
        if (c == 0) c = sign(a.entry->folder_path().compare(b.entry->folder_path()));
        return directed(c);
      }
    }
  }

  int directed(int c) const { return descending_ ? -c : c; }

  static int compare_keys(const sort_item& a, const sort_item& b) {
    if (a.prefix0 != b.prefix0) return a.prefix0 < b.prefix0 ? -1 : 1;
    if (a.prefix1 != b.prefix1) return a.prefix1 < b.prefix1 ? -1 : 1;
    if (a.prefix2 != b.prefix2) return a.prefix2 < b.prefix2 ? -1 : 1;
    return sign(a.entry->name_key.compare(b.entry->name_key));
  }

  void check_progress() const {
    if (progress_->cancelled) throw sort_cancelled{};
    if (++*comparisons_ % 50 == 0 && notify(*progress_)) throw sort_cancelled{};
  }

  int32_t kind_;
  bool descending_;
  bool group_;
  build_progress* progress_;
  uint64_t* comparisons_;  // shared by every copy the algorithm makes
};

}  // namespace

bool sort_entries(entry_list& list, int32_t kind, bool descending, bool group_by_folder,
                  build_progress* progress, const known_order* order) {
  list.sorted = true;
  if (list.empty()) return true;
  if (progress && progress->cancelled) {
    list.clear();
    return false;
  }
  // Nothing can move: no key and no grouping.
  if (kind == sort_unsorted && !group_by_folder) return true;
  if (kind < sort_by_name || kind > sort_unsorted) kind = sort_by_name;
  if (order && kind == sort_by_name && !descending &&
      (group_by_folder ? order->by_folder_then_name : order->by_name)) {
    // Distinct keys already in order (grouped keys included): the tail
    // comes first.
    std::reverse(list.items.begin(), list.items.end());
    return true;
  }

  std::vector<entry_ptr> entries(std::make_move_iterator(list.items.begin()),
                                 std::make_move_iterator(list.items.end()));
  list.items.clear();
  std::vector<sort_item> items(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    items[i].entry = entries[i].get();
    items[i].index = static_cast<uint32_t>(i);
  }

  if (kind != sort_unsorted && kind != sort_random) fill_name_prefixes(items);
  if (group_by_folder) {
    const std::vector<uint32_t> ranks =
        text_ranks(items, [](const file_entry& e) -> std::wstring_view { return e.folder_key(); });
    for (size_t i = 0; i < items.size(); ++i) items[i].group = ranks[i];
  }
  switch (kind) {
    case sort_by_size:
      for (sort_item& item : items) item.primary = item.entry->size;
      break;
    case sort_by_date:
      for (sort_item& item : items) item.primary = item.entry->modified_time;
      break;
    case sort_by_access:
      for (sort_item& item : items) item.primary = item.entry->accessed_time;
      break;
    case sort_by_extension: {
      const std::vector<uint32_t> ranks = text_ranks(
          items, [](const file_entry& e) -> std::wstring_view { return e.extension_text(); });
      for (size_t i = 0; i < items.size(); ++i) items[i].primary = ranks[i];
      break;
    }
    case sort_random: {
      std::mt19937_64 random(static_cast<uint64_t>(std::time(nullptr)));
      for (sort_item& item : items) item.primary = static_cast<int64_t>(random() >> 1);
      break;
    }
    default:
      break;
  }

  try {
    uint64_t comparisons = 0;
    const item_order order(kind, descending, group_by_folder, progress, &comparisons);
    // The scan lists entries head first, the reverse of the order it found
    // them in, and it finds them folder by folder in name order: often the
    // exact reverse of the wanted order. When every key is strictly below
    // the one before it, the keys are all distinct and reversing the list is
    // the one correct order, so the sort can be skipped.
    bool reversed = kind != sort_random && kind != sort_unsorted;
    for (size_t i = 1; reversed && i < items.size(); ++i)
      reversed = order.keys_before(items[i], items[i - 1]);
    if (reversed) {
      std::reverse(items.begin(), items.end());
    } else {
      // Introsort: O(n log n) and a stack of O(log n) for any input.
      std::sort(items.begin(), items.end(), order);
    }
  } catch (const sort_cancelled&) {
    entries.clear();
    list.clear();
    return false;
  }
  for (const sort_item& item : items) list.items.push_back(std::move(entries[item.index]));
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
