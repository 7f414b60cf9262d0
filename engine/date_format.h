#pragma once
// Dates and times as the pages show them: eight date styles with a free
// delimiter (`date_dropdown`, `euro_separator`), eight time styles
// (`time_dropdown`), the date and time cells of a file row, and the display
// text of the date filter.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/build_settings.h"
#include "base/ranges.h"
#include "platform/local_time.h"

namespace tabulon {

// The date in `style` (0 to 7; above 7 acts as 7, below 0 as 0) with
// `delimiter` (any text, also empty) between the three numbers. Styles 0, 1,
// 4 and 5 show the year modulo 100.
std::wstring format_date(int32_t year, int32_t month, int32_t day, int32_t style,
                         std::wstring_view delimiter);

// The date of a time in seconds since 1970, in local time; a time the system
// cannot convert shows as year, month and day 0.
std::wstring format_date_of_seconds(int64_t seconds, int32_t style, std::wstring_view delimiter);

// The time of day in `style` (0 to 3: 12-hour clock with "&nbsp;am" or
// "&nbsp;pm"; 4 to 7: 24-hour clock; an hour of 0 shows as 12 in every
// style). Any other style gives the empty text.
std::wstring format_time(int32_t hour, int32_t minute, int32_t second, int32_t style);

// The date of a file row from local calendar fields: /DATE_BEFORE_TEXT, the
// date, /DATE_AFTER_TEXT; with `with_time` also "</td>" and the whole time
// cell (its attributes `time_cell_attributes`, when not empty).
std::wstring format_date_time_cells(const build_settings& settings, const local_fields& when,
                                    bool with_time, std::wstring_view time_cell_attributes);

// The same for a file time (100-ns ticks since 1601, UTC), converted to local
// time; a time the system cannot convert shows as all zeros.
std::wstring format_date_time_cells(const build_settings& settings, int64_t file_time,
                                    bool with_time, std::wstring_view time_cell_attributes);

// The date and time cells of file rows for recently seen file times. Files
// of one tree share few distinct seconds, and each costs a local-time
// conversion and formatting; the texts stay valid from page to page while
// the settings that shape them stay the same.
class date_cell_cache {
 public:
  // Readies the cache for a table whose rows use `time_styles` (the time
  // cell attributes of the first and the second row style). Texts made under
  // different settings are dropped.
  void start(const build_settings& settings, bool with_time,
             const std::array<std::wstring_view, 2>& time_styles);
  // Appends format_date_time_cells(settings, file_time, with_time,
  // time_styles[style]) for the settings given to start().
  void append(std::wstring& out, const build_settings& settings, int64_t file_time, int style);

 private:
  struct slot {
    int64_t key = -1;
    std::wstring text;
  };
  std::wstring signature_;  // every input of the texts but the time itself
  bool with_time_ = false;
  std::array<std::wstring, 2> time_styles_;
  std::array<slot, 1024> slots_;
};

// Sets `range.display_text` to "start - end" in `style` and `delimiter`
// when the range has a text, both ends carry a time and it is valid;
// otherwise leaves it as it was.
void format_range_text(date_range& range, int32_t style, std::wstring_view delimiter);

}  // namespace tabulon
