#pragma once
// folder_is_skipped: whether a folder is left out of a build by the
// `skip_folders` setting, a ";"-separated list of folder items:
// - an item ending in a separator and "*" ("/data/old/*") covers that folder
//   and every folder whose full path begins with the item's text before the
//   separator (so also "/data/older");
// - an item with "*" or "?" is a wildcard over the full path ("*/temp"),
//   ignoring case;
// - any other item names one folder, ignoring case.

#include <string_view>

#include "base/build_settings.h"

namespace tabulon {

// True when `folder` (a full path, no trailing separator) is skipped by
// `settings.skip_folders`. An empty setting skips nothing.
bool folder_is_skipped(const build_settings& settings, std::wstring_view folder);

}  // namespace tabulon
