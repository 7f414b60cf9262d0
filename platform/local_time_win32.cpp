#include <time.h>

#include <cerrno>
#include <climits>

#include "platform/local_time.h"

namespace tabulon {

int64_t current_seconds() {
  return static_cast<int64_t>(::_time64(nullptr));
}

std::optional<local_fields> local_time_of(int64_t seconds) {
  const __time64_t t = static_cast<__time64_t>(seconds);
  struct tm tm {};
  if (::_localtime64_s(&tm, &t) != 0) return std::nullopt;
  local_fields f;
  f.year = tm.tm_year + 1900;
  f.month = tm.tm_mon + 1;
  f.day = tm.tm_mday;
  f.hour = tm.tm_hour;
  f.minute = tm.tm_min;
  f.second = tm.tm_sec;
  f.weekday = tm.tm_wday;
  return f;
}

std::optional<int64_t> seconds_from_local(const local_fields& f) {
  if (f.year < INT_MIN + 1900) return std::nullopt;
  struct tm tm {};
  tm.tm_year = f.year - 1900;
  tm.tm_mon = f.month - 1;
  tm.tm_mday = f.day;
  tm.tm_hour = f.hour;
  tm.tm_min = f.minute;
  tm.tm_sec = f.second;
  tm.tm_isdst = -1;
  const __time64_t t = ::_mktime64(&tm);
  if (t == static_cast<__time64_t>(-1)) return std::nullopt;
  return static_cast<int64_t>(t);
}

}  // namespace tabulon
