#include "platform/tm_fields.h"

#include <climits>

namespace tabulon {

local_fields fields_of_tm(const std::tm& tm) {
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

std::optional<std::tm> tm_of_fields(const local_fields& f) {
  // tm_year counts from 1900; keep the subtraction from overflowing.
  if (f.year < INT_MIN + 1900) return std::nullopt;
  std::tm tm{};
  tm.tm_year = f.year - 1900;
  tm.tm_mon = f.month - 1;
  tm.tm_mday = f.day;
  tm.tm_hour = f.hour;
  tm.tm_min = f.minute;
  tm.tm_sec = f.second;
  tm.tm_isdst = -1;
  return tm;
}

}  // namespace tabulon
