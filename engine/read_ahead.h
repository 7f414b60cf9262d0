#pragma once
// Reading the folders of a build ahead of it (platform/folder_reader_pool.h),
// with the same choice of folders the build's walks make, so that what the
// workers read is what the walk asks for next.
//
// Whether it is used: scan_context::read_ahead (on unless the environment
// variable TABULON_READ_AHEAD is "0"). Pages come out byte for byte the same
// either way; only the time differs.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/build_settings.h"
#include "platform/dir_enum.h"
#include "platform/folder_reader_pool.h"

namespace tabulon {

// A pool for the folders below `top` that a walk enters: not skipped by
// `skip_folders`, within `max_search_depth2` (counted from `top_depth`, the
// depth counter of the walk outside `top`: 0 for a build's root) and, when
// `included_folders` (upper-cased patterns) is not empty, matching one of
// them. `top_listing`, when given, is the top's listing the walk already holds.
// `probe_subfolders`: the workers also find which subfolders open (can_enter).
std::unique_ptr<folder_reader_pool> start_read_ahead(
    const build_settings& settings, const std::wstring& top, const dir_listing* top_listing,
    int32_t top_depth, std::vector<std::wstring> included_folders, bool probe_subfolders = false);

// The listing of `dir`, open at `path`: the one `pool` read ahead when it
// read this same folder, or read now.
dir_listing read_listing(folder_reader_pool* pool, const open_folder& dir,
                         const std::wstring& path);

// Whether the walk can enter the subfolder `name` of `dir` (`path` is its
// full path): what `pool` found when it opened it ahead, or an opening now.
bool can_enter(folder_reader_pool* pool, const open_folder& dir, std::wstring_view name,
               const std::wstring& path);

}  // namespace tabulon
