#pragma once
// Column-wise arrangement of a sorted entry list for a table that is written
// row by row: after arrange_in_columns, reading the list C entries per row
// runs the sorted order down the first column, then down the second, and so
// on. With 7 entries in 3 columns the rows read (1 4 6) (2 5 7) (3).
//
// At most 20 columns take part: the rows are counted with the full column
// count, then only the first 20 columns are filled. Entries that find no cell
// that way are not lost; they follow at the end in their sorted order.

#include <cstdint>

#include "engine/build_progress.h"
#include "engine/file_entry.h"

namespace tabulon {

// Arranges the whole list in `columns` columns. A list of at most one entry,
// one column, or no more entries than columns is left unchanged. With a
// progress record, every 100 steps it is notified and its `cancelled` flag
// read; a cancelled arrangement restores the order the list had and returns
// false. Returns true otherwise.
bool arrange_in_columns(entry_list& list, int32_t columns, build_progress* progress = nullptr);

struct file_table_arrangement {
  int32_t columns = 0;     // the column count the table is to use from now on
  bool cancelled = false;  // the arrangement stopped at a cancelled progress record
};

// The arrangement of a page's file table. Without grouping the whole list is
// arranged in `columns` columns when that is greater than 1. With grouping
// (the entries of each folder stand together), the column count is first
// reduced to the longest run of entries sharing a folder when that is
// smaller, and then, when it is greater than 1, each folder's run is arranged
// separately; after each run the progress record's `step` grows by 1 and it
// is notified. On cancellation the run being arranged keeps its sorted order
// and the remaining runs are left as they are.
file_table_arrangement arrange_file_table(entry_list& list, int32_t columns, bool grouped,
                                          build_progress* progress = nullptr);

}  // namespace tabulon
