#pragma once
// The summary paragraph under a file table and the totals of one folder's
// group of entries (for the anchor placeholders).

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/build_settings.h"
#include "engine/file_entry.h"

namespace tabulon {

// "\n<p" (+ " " and /SUMMARY_STYLE) ">\n", then the folder line when
// `folders` is not 0, the file and size lines when `files` is not 0, then
// "</p>". Labels and unit words come from the settings.
std::wstring format_summary(const build_settings& settings, int32_t folders, int32_t files,
                            int64_t total_bytes);

// From `entries[first]` on, the entries whose folder path equals that entry's
// (exactly) form a group: `count_text` receives their number, grouped, and the
// result is the size cell text of their total size. Only when
// `anchor_totals_needed` is set and `first` is an entry of the list; otherwise
// the result is empty and `count_text` is left alone.
std::wstring folder_group_totals(const build_settings& settings, const entry_list& entries,
                                 size_t first, std::wstring& count_text);

}  // namespace tabulon
