#pragma once
// The parsed size and date range filters. Plain data held by the settings
// record; parse_size_range and parse_date_range (engine/range_parse.h) fill them.

#include <cstdint>
#include <optional>
#include <string>

namespace tabulon {

struct size_range {
  int64_t min = 0;
  int64_t max = -99;  // -99: no upper limit
  bool accept_all = true;
};

struct date_endpoint {
  int32_t month = 0;
  int32_t day = 0;
  int32_t year = 0;  // century already added
  int32_t days = 0;  // days back, for an endpoint given as a day count
  bool star = false;
  bool invalid = false;
  std::optional<int64_t> time;  // seconds since 1970
};

struct date_range {
  std::wstring text;          // as typed
  std::wstring display_text;  // built by format_range_text
  bool valid = false;
  date_endpoint start;
  date_endpoint end;
  std::wstring separator = L"/";  // the settings' date delimiter, handed over after loading
};

}  // namespace tabulon
