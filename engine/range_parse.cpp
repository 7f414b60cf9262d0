#include "engine/range_parse.h"

#include <cmath>
#include <cwchar>
#include <limits>
#include <string>

#include "base/wide_string.h"
#include "platform/local_time.h"

namespace tabulon {

namespace {

// Leading decimal number of `text` as the C library reads it; 0 when none.
double leading_number(std::wstring_view text) {
  const std::wstring copy(text);
  const double value = std::wcstod(copy.c_str(), nullptr);
  return std::isnan(value) ? 0.0 : value;
}

// Truncates toward zero, saturating where the value leaves the 64-bit range.
int64_t truncate_to_int64(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9.2e18) return INT64_MAX;
  if (value <= -9.2e18) return INT64_MIN;
  return static_cast<int64_t>(value);
}

// A size bound: a number with an optional unit letter K, M or G at its end
// (the text is already upper-cased).
struct size_bound {
  float number;
  int64_t multiplier;
};

size_bound read_size_bound(std::wstring_view text) {
  int64_t multiplier = 1;
  if (!text.empty()) {
    switch (text.back()) {
      case L'K':
        multiplier = 1024;
        break;
      case L'M':
        multiplier = 1048576;
        break;
      case L'G':
        multiplier = 1073741824;
        break;
      default:
        break;
    }
    if (multiplier != 1) text.remove_suffix(1);
  }
  // Single precision as the filter always held it; beyond its range, infinity.
  const double value = leading_number(text);
  const float number = std::fabs(value) > std::numeric_limits<float>::max()
                           ? std::copysign(std::numeric_limits<float>::infinity(), value)
                           : static_cast<float>(value);
  return {number, multiplier};
}

bool all_digits(std::wstring_view text) {
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

bool parse_endpoint(std::wstring_view text, date_endpoint& point, int64_t now) {
  if (text == L"*") {
    point.star = true;
    point.time = now;
    return true;
  }
  const size_t slash = text.find(L'/');
  if (slash == std::wstring_view::npos) {
    if (!all_digits(text)) {
      point.invalid = true;
      return false;
    }
    point.days = wide_atoi(text);
    point.time = now - static_cast<int64_t>(point.days) * 86400;
    return true;
  }
  const size_t slash2 = text.find(L'/', slash + 1);
  if (slash2 == std::wstring_view::npos) {
    point.invalid = true;
    return false;
  }
  point.month = wide_atoi(text.substr(0, slash));
  point.day = wide_atoi(text.substr(slash + 1, slash2 - slash - 1));
  point.year = wide_atoi(text.substr(slash2 + 1));
  if (point.year < 100) {
    const auto today = local_time_of(now);
    const int32_t this_year = today ? today->year : 1970;
    point.year += this_year - this_year % 100;
  }
  local_fields midnight;
  midnight.year = point.year;
  midnight.month = point.month;
  midnight.day = point.day;
  const auto seconds = seconds_from_local(midnight);
  if (!seconds) {
    // A date the system cannot place in time cannot filter anything.
    point.invalid = true;
    return false;
  }
  point.time = *seconds;
  return true;
}

}  // namespace

void parse_size_range(std::wstring_view text, size_range& range) {
  range = size_range{};
  range.accept_all = false;
  if (text.empty() || text == L" - ") {
    range.accept_all = true;
    return;
  }
  const size_t dash = text.find(L" - ");
  if (dash == std::wstring_view::npos || text.find(L" - ", dash + 1) != std::wstring_view::npos) {
    range.accept_all = true;
    return;
  }
  const std::wstring upper = upper_ascii(text);
  const size_t blank = upper.find(L' ');
  if (blank == 0) {
    range.accept_all = true;
    return;
  }
  const size_bound low = read_size_bound(std::wstring_view(upper).substr(0, blank));
  const float low_product = low.number * static_cast<float>(low.multiplier);
  range.min = truncate_to_int64(low_product);

  const std::wstring_view high_text = std::wstring_view(upper).substr(dash + 3);
  if (high_text.empty()) {
    range.accept_all = true;
    return;
  }
  if (high_text == L"*") {
    range.max = -99;
    return;
  }
  const size_bound high = read_size_bound(high_text);
  range.max = truncate_to_int64(static_cast<double>(high.number) * high.multiplier);
  if (range.max < range.min || range.max == 0) range.accept_all = true;
}

void parse_date_range(std::wstring_view text, date_range& range, std::optional<int64_t> now) {
  const int64_t moment = now ? *now : current_seconds();
  range.text = std::wstring(text);
  range.start = date_endpoint{};
  range.end = date_endpoint{};
  if (text.find(L'-') == std::wstring_view::npos) {
    range.valid = false;
    return;
  }
  std::wstring packed;
  for (wchar_t c : text) {
    if (c != L' ') packed.push_back(c);
  }
  // The two parts are split at the dash itself, so "1/1/2010-*" and
  // "1/1/2010  -  *" read the same as the usual "1/1/2010 - *".
  const size_t dash = packed.find(L'-');
  const std::wstring_view start_text = std::wstring_view(packed).substr(0, dash);
  const std::wstring_view end_text = std::wstring_view(packed).substr(dash + 1);
  const bool start_ok = parse_endpoint(start_text, range.start, moment);
  const bool end_ok = parse_endpoint(end_text, range.end, moment);
  range.valid = start_ok || end_ok;
  if (range.start.time && range.end.time && *range.end.time < *range.start.time) {
    std::swap(range.start.time, range.end.time);
    // The earlier date was typed last: its whole day belongs to the range.
    *range.end.time += 86399;
  }
  // The display text is made by the value formatting of the caller.
}

}  // namespace tabulon
