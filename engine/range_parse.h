#pragma once
// Parsing of the size filter ("10K - 20K", "1M - *") and of the date filter
// ("1/1/2010 - 12/31/2010", "365 - *") into the records of base/ranges.h.
//
// Neither function fails: text that does not describe a usable range sets
// size_range::accept_all, or leaves the date range not valid or an endpoint
// marked invalid, and the filter then lets every file through.

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/ranges.h"

namespace tabulon {

void parse_size_range(std::wstring_view text, size_range& range);

// `now` is the moment of parsing in seconds since 1970 (the current time when
// not given); "*" and day counts are taken relative to it. Keeps the range's
// separator and display text.
void parse_date_range(std::wstring_view text, date_range& range,
                      std::optional<int64_t> now = std::nullopt);

}  // namespace tabulon
