#include <time.h>

#include <cerrno>

#include "platform/local_time.h"
#include "platform/tm_fields.h"

namespace tabulon {

int64_t current_seconds() {
  return static_cast<int64_t>(::time(nullptr));
}

bool system_local_tm(int64_t seconds, std::tm& out) {
  const time_t t = static_cast<time_t>(seconds);
  return localtime_r(&t, &out) != nullptr;
}

std::optional<int64_t> system_mktime(std::tm& tm) {
  errno = 0;
  const time_t t = ::mktime(&tm);
  // -1 is also a valid moment (one second before 1970 UTC); only errno tells.
  if (t == static_cast<time_t>(-1) && errno != 0) return std::nullopt;
  return static_cast<int64_t>(t);
}

}  // namespace tabulon
