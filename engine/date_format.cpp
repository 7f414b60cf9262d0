#include "engine/date_format.h"

#include <cstdio>
#include <string_view>

#include "base/wide_string.h"
#include "platform/file_time.h"

namespace tabulon {

using namespace std::string_view_literals;

namespace {

std::wstring printed(const char* format, int a, int b, int c) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace

std::wstring format_date(int32_t year, int32_t month, int32_t day, int32_t style,
                         std::wstring_view delimiter) {
  if (style > 7) style = 7;
  if (style < 0) style = 0;
  const bool short_year = style == 0 || style == 1 || style == 4 || style == 5;
  const int32_t y = (short_year && year >= 100) ? year % 100 : year;
  // Per style: the format and which fields stand first, second and third
  // (0 month, 1 day, 2 year). The backtick stands for the delimiter, which
  // may be empty or long.
  struct layout {
    const char* format;
    int order[3];
  };
  static constexpr layout layouts[8] = {
      {"%02d`%02d`%02d", {0, 1, 2}}, {"%02d`%02d`%02d", {1, 0, 2}}, {"%02d`%02d`%04d", {0, 1, 2}},
      {"%02d`%02d`%04d", {1, 0, 2}}, {"%02d`%02d`%02d", {2, 0, 1}}, {"%02d`%02d`%02d", {2, 1, 0}},
      {"%04d`%02d`%02d", {2, 0, 1}}, {"%04d`%02d`%02d", {2, 1, 0}},
  };
  const int fields[3] = {month, day, y};
  const layout& shown = layouts[style];
  std::wstring text =
      printed(shown.format, fields[shown.order[0]], fields[shown.order[1]], fields[shown.order[2]]);
  replace_all(text, L"`", delimiter);
  return text;
}

std::wstring format_date_of_seconds(int64_t seconds, int32_t style, std::wstring_view delimiter) {
  const std::optional<local_fields> when = local_time_of(seconds);
  if (!when) return format_date(0, 0, 0, style, delimiter);
  return format_date(when->year, when->month, when->day, style, delimiter);
}

std::wstring format_time(int32_t hour, int32_t minute, int32_t second, int32_t style) {
  if (style < 0 || style > 7) return {};
  std::wstring suffix;
  if (style < 4) {
    suffix = hour < 12 ? L"&nbsp;am" : L"&nbsp;pm";
    if (hour > 12) hour -= 12;
  }
  if (hour == 0) hour = 12;
  static const char* const formats[] = {"%d:%02d", "%02d:%02d", "%d:%02d:%02d", "%02d:%02d:%02d",
                                        "%d:%02d", "%02d:%02d", "%d:%02d:%02d", "%02d:%02d:%02d"};
  return printed(formats[style], hour, minute, second) + suffix;
}

std::wstring format_date_time_cells(const build_settings& settings, const local_fields& when,
                                    bool with_time, std::wstring_view time_cell_attributes) {
  const script_template& script = settings.script;
  std::wstring out = script[sec::date_before_text];
  out +=
      format_date(when.year, when.month, when.day, settings.date_dropdown, settings.euro_separator);
  out += script[sec::date_after_text];
  if (!with_time) return out;
  out += L"</td><td align=\"right\""sv;
  if (!time_cell_attributes.empty()) {
    out += L' ';
    out += time_cell_attributes;
  }
  out += L'>';
  out += script[sec::time_before_text];
  // format_time puts the am/pm suffix right after the numbers.
  out += format_time(when.hour, when.minute, when.second, settings.time_dropdown);
  out += script[sec::time_after_text];
  out += L"&nbsp;"sv;
  return out;
}

std::wstring format_date_time_cells(const build_settings& settings, int64_t file_time,
                                    bool with_time, std::wstring_view time_cell_attributes) {
  local_fields zero;
  zero.year = zero.month = zero.day = 0;
  const std::optional<local_fields> when = local_fields_of_file_time(file_time);
  return format_date_time_cells(settings, when ? *when : zero, with_time, time_cell_attributes);
}

void date_cell_cache::start(const build_settings& settings, bool with_time,
                            const std::array<std::wstring_view, 2>& time_styles) {
  const script_template& script = settings.script;
  // Fields joined with a character no setting holds, so that no two
  // different combinations give the same text.
  std::wstring signature;
  for (const std::wstring_view part :
       {std::wstring_view(script[sec::date_before_text]),
        std::wstring_view(script[sec::date_after_text]),
        std::wstring_view(script[sec::time_before_text]),
        std::wstring_view(script[sec::time_after_text]), std::wstring_view(settings.euro_separator),
        time_styles[0], time_styles[1]}) {
    signature += part;
    signature += L'\0';
  }
  signature += to_wide(settings.date_dropdown);
  signature += L'\0';
  signature += to_wide(settings.time_dropdown);
  signature += L'\0';
  signature += with_time ? L't' : L'f';
  if (signature == signature_) return;
  signature_ = std::move(signature);
  with_time_ = with_time;
  time_styles_ = {std::wstring(time_styles[0]), std::wstring(time_styles[1])};
  for (slot& s : slots_) s.key = -1;
}

void date_cell_cache::append(std::wstring& out, const build_settings& settings, int64_t file_time,
                             int style) {
  const int64_t seconds = unix_seconds_from_file_time(file_time);
  if (seconds < 0) {
    out += format_date_time_cells(settings, file_time, with_time_, time_styles_[style]);
    return;
  }
  const int64_t key = seconds * 2 + style;
  slot& s = slots_[static_cast<size_t>(key) % slots_.size()];
  if (s.key != key) {
    s.text = format_date_time_cells(settings, file_time, with_time_, time_styles_[style]);
    s.key = key;
  }
  out += s.text;
}

void format_range_text(date_range& range, int32_t style, std::wstring_view delimiter) {
  if (range.text.empty() || !range.start.time || !range.end.time || !range.valid) return;
  range.display_text = format_date_of_seconds(*range.start.time, style, delimiter) + L" - " +
                       format_date_of_seconds(*range.end.time, style, delimiter);
}

}  // namespace tabulon
