#include <time.h>

#include "platform/local_time.h"
#include "platform/tm_fields.h"

namespace tabulon {

int64_t current_seconds() {
  return static_cast<int64_t>(::_time64(nullptr));
}

std::optional<local_fields> local_time_of(int64_t seconds) {
  const __time64_t t = static_cast<__time64_t>(seconds);
  struct tm tm {};
  if (::_localtime64_s(&tm, &t) != 0) return std::nullopt;
  return fields_of_tm(tm);
}

std::optional<int64_t> seconds_from_local(const local_fields& f) {
  std::optional<std::tm> tm = tm_of_fields(f);
  if (!tm) return std::nullopt;
  const __time64_t t = ::_mktime64(&*tm);
  if (t == static_cast<__time64_t>(-1)) return std::nullopt;
  return static_cast<int64_t>(t);
}

}  // namespace tabulon
