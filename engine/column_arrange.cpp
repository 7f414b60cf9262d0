#include "engine/column_arrange.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace tabulon {

namespace {

using entry_deque = std::deque<entry_ptr>;

constexpr int64_t kMaxArrangedColumns = 20;

// Counts steps and looks at the progress record every 100 of them.
struct step_counter {
  build_progress* progress;
  uint64_t steps = 0;
  bool cancelled = false;
  bool step() {
    if (!progress || cancelled) return !cancelled;
    if (++steps % 100 == 0 && notify(*progress)) cancelled = true;
    return !cancelled;
  }
};

// Arranges items[begin, end) in place. False when cancelled; the range then
// keeps its order.
bool arrange_range(entry_deque& items, size_t begin, size_t end, int64_t columns,
                   step_counter& counter) {
  const int64_t n = static_cast<int64_t>(end - begin);
  if (n <= 1 || columns <= 1 || columns >= n) return true;
  const int64_t rows = (n + columns - 1) / columns;
  const int64_t used_columns = std::min(columns, kMaxArrangedColumns);

  // Deal positions, not entries, so a cancelled run needs no undoing.
  std::vector<std::vector<size_t>> cells(static_cast<size_t>(used_columns));
  size_t next = begin;
  for (int64_t c = 0; c < used_columns; ++c) {
    for (int64_t r = 0; r < rows && c + columns * r < n; ++r) {
      cells[static_cast<size_t>(c)].push_back(next++);
      if (!counter.step()) return false;
    }
  }
  std::vector<size_t> order;
  order.reserve(static_cast<size_t>(n));
  for (int64_t r = 0; r < rows; ++r) {
    for (int64_t c = 0; c < used_columns; ++c) {
      const std::vector<size_t>& column = cells[static_cast<size_t>(c)];
      if (static_cast<size_t>(r) < column.size()) order.push_back(column[static_cast<size_t>(r)]);
    }
    if (!counter.step()) return false;
  }
  // Beyond 20 columns some entries have no cell; keep them, in order.
  for (; next < end; ++next) order.push_back(next);

  std::vector<entry_ptr> arranged;
  arranged.reserve(order.size());
  for (size_t position : order) arranged.push_back(std::move(items[position]));
  std::move(arranged.begin(), arranged.end(), items.begin() + static_cast<ptrdiff_t>(begin));
  return true;
}

bool same_folder(const file_entry& a, const file_entry& b) {
  return a.folder == b.folder || a.folder_path() == b.folder_path();
}

}  // namespace

bool arrange_in_columns(entry_list& list, int32_t columns, build_progress* progress) {
  step_counter counter{progress};
  return arrange_range(list.items, 0, list.items.size(), columns, counter);
}

file_table_arrangement arrange_file_table(entry_list& list, int32_t columns, bool grouped,
                                          build_progress* progress) {
  file_table_arrangement result;
  result.columns = columns;
  step_counter counter{progress};
  if (!grouped) {
    if (columns > 1)
      result.cancelled = !arrange_range(list.items, 0, list.items.size(), columns, counter);
    return result;
  }

  std::vector<std::pair<size_t, size_t>> runs;
  size_t longest = 0;
  for (size_t begin = 0; begin < list.items.size();) {
    size_t end = begin + 1;
    while (end < list.items.size() && same_folder(*list.items[end], *list.items[begin])) ++end;
    runs.emplace_back(begin, end);
    longest = std::max(longest, end - begin);
    begin = end;
  }
  if (static_cast<int64_t>(longest) < columns) result.columns = static_cast<int32_t>(longest);
  if (result.columns <= 1) return result;

  for (const auto& [begin, end] : runs) {
    if (!arrange_range(list.items, begin, end, result.columns, counter)) {
      result.cancelled = true;
      return result;
    }
    if (progress) {
      ++progress->step;
      if (notify(*progress)) {
        result.cancelled = true;
        return result;
      }
    }
  }
  return result;
}

}  // namespace tabulon
