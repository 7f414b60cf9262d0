#pragma once
// The folder scan: turns a folder on disk (and, in an all-links-in-one-file
// build, every folder of its branch) into file entries, with every filter of
// the settings applied.
//
// The folder to scan is passed explicitly; the process's current directory is
// never used or changed. Subfolders are opened relative to their parent and
// followed through links, except into a folder that is already on the path
// from the top folder, so a link cycle ends. Folders that cannot be opened
// and entries that cannot be examined are passed over without a message.
//
// Settings read: `skip_folders`, `process_root_with_included_folders`,
// `size_filter_on` and `sizes`, `date_modified` and `dates`,
// `max_search_depth2`, `sort_kind`, `use_html_titles_for_links`,
// `max_file_chars2`.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/file_entry.h"
#include "engine/scan_context.h"
#include "engine/sort.h"

namespace tabulon {

// Scans `folder` (a full path) for the files that fit `spec_list` (the
// `file_spec` setting, items separated by ";"; a file found by two items is
// added twice) and puts them at the head of `list`, the most recently found
// first. Subfolders are scanned only when `context.all_in_one` is set. Names
// beginning with "." are never listed or entered.
//
// `depth` is the depth counter: 0 for the top folder, and back at its
// starting value afterwards. The first folder of an all-in-one scan becomes
// `context.base_folder` when that is empty. With a progress record, each
// folder is announced, each file taken adds 1 to `rows_total` and each
// subfolder entered adds 1 to `pages`.
//
// `order`, when given, receives what the scan learnt of the list's order as
// it went (engine/sort.h); nothing is claimed when `list` was not empty.
//
// Returns false when the scan stopped because the progress record was
// cancelled; the entries found until then stay in the list.
bool scan_folder(scan_context& context, std::wstring_view folder, std::wstring_view spec_list,
                 int32_t& depth, entry_list& list, known_order* order = nullptr);

// `path` as the scan names a folder: a full path (a relative one is taken
// from the current directory), with "." and ".." parts resolved and no
// trailing separator except for the file-system root.
std::wstring scan_folder_path(std::wstring_view path);

// A file's last-write time (100-ns units since 1601, UTC) as the seconds since
// 1970 that the date filter compares; 0 for times before 1900.
int64_t filter_seconds(int64_t file_time);

}  // namespace tabulon
