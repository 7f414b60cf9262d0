#pragma once
// Ordering of a page's entry lists: the seven sort types of `sort_type`
// (sort_code in base/build_settings.h) with their keys, directions and
// tie-breaks, grouping by folder, and removal of duplicate entries.
//
//   type       primary key                tie-break on equal keys
//   name       name_key                   folder_path, same direction
//   size       size                       name_key, always ascending
//   extension  extension (case matters)   name_key, always ascending
//   date       modified_time              name_key, opposite direction
//   random     a fresh random order       -
//   access     accessed_time              name_key, opposite direction
//   unsorted   none                       -
//
// Texts compare by code value. With grouping, entries of different folders
// are ordered by ascending `folder_key` whatever the direction, so each
// folder's entries stay together.
//
// Every type takes O(n log n) time and a bounded stack. Entries the order
// cannot tell apart keep the order they had in the list (the unsorted type
// therefore leaves a list as it is, apart from the grouping), and the random
// type draws from a generator seeded with the current second.

#include <cstdint>

#include "engine/build_progress.h"
#include "engine/file_entry.h"

namespace tabulon {

// What a list's maker knows of its order, so that the sort need not look at
// every entry to find it out. "Ascending" is strict: no two entries tie.
// The list holds the entries head first, so these describe the list read
// from its tail to its head (the order in which the scan found them).
struct known_order {
  bool by_folder_then_name = false;  // by (folder_key, name_key), ascending
  bool by_name = false;              // by name_key alone, ascending
};

// Sorts `list` in place and marks it sorted. With a progress record, the
// record is notified every 50 comparisons and its `cancelled` flag is read
// before each comparison: a cancelled sort destroys every entry, leaving the
// list empty, and returns false. Returns true otherwise.
// `order`, when given, must hold for the list as it is; an ascending name
// sort that it already describes only reverses the list.
bool sort_entries(entry_list& list, int32_t kind, bool descending, bool group_by_folder,
                  build_progress* progress = nullptr, const known_order* order = nullptr);

// Removes every entry whose `name` and `folder_path` both equal those of the
// entry before it (exact comparison). Meant for a list sorted by name with
// grouping, where the copies of a file found twice stand together.
void remove_duplicate_entries(entry_list& list);

}  // namespace tabulon
