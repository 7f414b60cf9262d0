#include <time.h>

#include "platform/local_time.h"
#include "platform/tm_fields.h"

namespace tabulon {

int64_t current_seconds() {
  return static_cast<int64_t>(::_time64(nullptr));
}

bool system_local_tm(int64_t seconds, std::tm& out) {
  const __time64_t t = static_cast<__time64_t>(seconds);
  return ::_localtime64_s(&out, &t) == 0;
}

std::optional<int64_t> system_mktime(std::tm& tm) {
  const __time64_t t = ::_mktime64(&tm);
  if (t == static_cast<__time64_t>(-1)) return std::nullopt;
  return static_cast<int64_t>(t);
}

}  // namespace tabulon
