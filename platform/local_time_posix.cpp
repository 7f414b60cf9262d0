#include <time.h>

#include <cerrno>

#include "platform/local_time.h"
#include "platform/tm_fields.h"

namespace tabulon {

int64_t current_seconds() {
  return static_cast<int64_t>(::time(nullptr));
}

std::optional<local_fields> local_time_of(int64_t seconds) {
  const time_t t = static_cast<time_t>(seconds);
  struct tm tm {};
  if (!localtime_r(&t, &tm)) return std::nullopt;
  return fields_of_tm(tm);
}

std::optional<int64_t> seconds_from_local(const local_fields& f) {
  std::optional<std::tm> tm = tm_of_fields(f);
  if (!tm) return std::nullopt;
  errno = 0;
  const time_t t = ::mktime(&*tm);
  // -1 is also a valid moment (one second before 1970 UTC); only errno tells.
  if (t == static_cast<time_t>(-1) && errno != 0) return std::nullopt;
  return static_cast<int64_t>(t);
}

}  // namespace tabulon
