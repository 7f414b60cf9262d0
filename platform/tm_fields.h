#pragma once
// The C library's broken-down time (std::tm) and tabulon's local_fields,
// converted in one place for the POSIX and the Windows time services.

#include <ctime>
#include <optional>

#include "platform/local_time.h"

namespace tabulon {

local_fields fields_of_tm(const std::tm& tm);

// The std::tm that mktime takes for `fields`, with daylight saving left to
// the system (tm_isdst -1); empty when the year does not fit tm_year.
std::optional<std::tm> tm_of_fields(const local_fields& fields);

}  // namespace tabulon
