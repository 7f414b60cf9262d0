#pragma once
// File times on one scale on every system: 100-nanosecond ticks since
// 1601-01-01 UTC, as a signed 64-bit number, so that sorting and comparing
// times works the same everywhere. 0 means "no time".

#include <cstdint>
#include <optional>

#include "platform/local_time.h"

namespace tabulon {

// Ticks between 1601-01-01 and 1970-01-01.
inline constexpr int64_t file_time_unix_epoch = 116444736000000000LL;
inline constexpr int64_t file_time_ticks_per_second = 10000000LL;

// A time given as seconds and nanoseconds since 1970 (as stat reports it).
constexpr int64_t file_time_from_unix(int64_t seconds, int64_t nanoseconds = 0) {
  return file_time_unix_epoch + seconds * file_time_ticks_per_second + nanoseconds / 100;
}

// Whole seconds since 1970 of a file time (rounded towards the past).
constexpr int64_t unix_seconds_from_file_time(int64_t file_time) {
  const int64_t t = file_time - file_time_unix_epoch;
  return t >= 0 ? t / file_time_ticks_per_second
                : -((-t + file_time_ticks_per_second - 1) / file_time_ticks_per_second);
}

// Calendar fields of a file time in local time (daylight saving as the system
// decides); `milliseconds` receives the part below a second when given. Empty
// when the system cannot convert the time.
std::optional<local_fields> local_fields_of_file_time(int64_t file_time,
                                                      int32_t* milliseconds = nullptr);

// The file time of a local calendar time; empty when it cannot be represented.
std::optional<int64_t> file_time_of_local_fields(const local_fields& fields);

// The current time as a file time.
int64_t current_file_time();

}  // namespace tabulon
