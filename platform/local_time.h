#pragma once
// Conversions between seconds since 1970 (UTC) and local calendar fields, with
// daylight saving decided by the system's time zone rules.

#include <cstdint>
#include <optional>

namespace tabulon {

struct local_fields {
  int32_t year = 1970;  // full year
  int32_t month = 1;    // 1 to 12
  int32_t day = 1;      // 1 to 31
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
  int32_t weekday = 0;  // 0 Sunday to 6 Saturday (ignored by seconds_from_local)
};

// The current time in seconds since 1970.
int64_t current_seconds();

// Local calendar fields of `seconds`; empty when the system cannot convert it.
std::optional<local_fields> local_time_of(int64_t seconds);

// Seconds since 1970 of the local time given by `fields` (out-of-range fields
// are carried over as mktime does: month 13 is January of the next year);
// empty when the system cannot represent it.
std::optional<int64_t> seconds_from_local(const local_fields& fields);

}  // namespace tabulon
