#include "platform/file_time.h"

namespace tabulon {

// Built on the seconds-based local time conversions, which exist on every
// system; the part below a second does not depend on the time zone.
std::optional<local_fields> local_fields_of_file_time(int64_t file_time, int32_t* milliseconds) {
  const int64_t seconds = unix_seconds_from_file_time(file_time);
  if (milliseconds) {
    const int64_t rest = file_time - file_time_from_unix(seconds);
    *milliseconds = static_cast<int32_t>(rest / 10000);
  }
  return local_time_of(seconds);
}

std::optional<int64_t> file_time_of_local_fields(const local_fields& fields) {
  const auto seconds = seconds_from_local(fields);
  if (!seconds) return std::nullopt;
  return file_time_from_unix(*seconds);
}

int64_t current_file_time() {
  return file_time_from_unix(current_seconds());
}

}  // namespace tabulon
