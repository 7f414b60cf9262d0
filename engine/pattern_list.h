#pragma once
// The semicolon pattern lists of the scan: how a setting such as
// "*.txt;*.doc" is split into items, how the include, exclude and included
// folder lists are built for a page, and how one file-specification item is
// matched against a name.

#include <string>
#include <string_view>
#include <vector>

#include "engine/scan_context.h"

namespace tabulon {

// Splits at ";": every character but ";" joins the current item; at each ";"
// and at the last character the item is added and a new one begins. So a
// leading ";" or two adjacent ones add an empty item, an empty text gives no
// item, and one trailing ";" adds nothing.
std::vector<std::wstring> split_pattern_list(std::wstring_view text);

// The include list: each item of `filename_include_strings` that holds
// neither "*" nor "?" gets a "*" in front and at its end; every item is then
// upper-cased; an empty item stays empty (the scan ignores empty items).
// Empty when the setting is empty.
std::vector<std::wstring> make_include_patterns(std::wstring_view setting);

// An exclude item in the form used for matching: upper-cased, and wrapped in
// "*" when it holds neither "*" nor "?".
std::wstring prepare_exclude_pattern(std::wstring_view item);

// Rebuilds the three lists of `context` from its settings (`filename_include_strings`,
// `skip_files`, `included_folders`). Done at the start of every page.
void rebuild_pattern_lists(scan_context& context);

// True when the upper-cased file name `upper_name` fits the upper-cased
// file-specification item `upper_item`, as a folder search by that pattern
// would find it: a trailing ".*" also fits a name without a dot, so "*.*"
// fits every name. An empty item fits nothing.
bool file_spec_matches(std::wstring_view upper_item, std::wstring_view upper_name);

}  // namespace tabulon
