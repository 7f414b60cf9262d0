#pragma once
// Sizes and numbers as the pages show them: the size in the unit of
// `file_size_display_type`, digit grouping by `insert_commas` and
// `number_format`, and the size text of a file row.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/build_settings.h"

namespace tabulon {

// The size in the chosen unit without grouping or unit word: type 0 bytes,
// 1 whole K (1,024 bytes, truncated), 2 megabytes and 3 gigabytes with three
// decimals; any other type the byte count with three decimals.
std::wstring format_size(const build_settings& settings, int64_t bytes);

// `text` (digits, with ".ddd" at its end when `has_decimals`) with the
// grouping separator and decimal mark of `number_format`; unchanged when
// `insert_commas` is off.
std::wstring group_digits(const build_settings& settings, std::wstring_view text,
                          bool has_decimals);

// format_size, grouped, and for K, MB and GB "&nbsp;" and the unit word.
std::wstring format_size_cell(const build_settings& settings, int64_t bytes);

// Appends format_size_cell(settings, bytes) to `out`; whole bytes and K are
// written without intermediate texts.
void append_size_cell(std::wstring& out, const build_settings& settings, int64_t bytes);

// The line break of the page's document type: "<br />" for doctype 1, 2 and
// 4, "<br>" otherwise.
std::wstring_view line_break(const build_settings& settings);

}  // namespace tabulon
