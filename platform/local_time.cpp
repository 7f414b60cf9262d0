#include "platform/local_time.h"

#include "platform/tm_fields.h"

namespace tabulon {

std::optional<local_fields> local_time_of(int64_t seconds) {
  std::tm tm{};
  if (!system_local_tm(seconds, tm)) return std::nullopt;
  return fields_of_tm(tm);
}

std::optional<int64_t> seconds_from_local(const local_fields& f) {
  std::optional<std::tm> tm = tm_of_fields(f);
  if (!tm) return std::nullopt;
  return system_mktime(*tm);
}

}  // namespace tabulon
