#pragma once
// The C library's broken-down time (std::tm) and tabulon's local_fields,
// converted in one place for the POSIX and the Windows time services.

#include <cstdint>
#include <ctime>
#include <optional>

#include "platform/local_time.h"

namespace tabulon {

local_fields fields_of_tm(const std::tm& tm);

// The std::tm that mktime takes for `fields`, with daylight saving left to
// the system (tm_isdst -1); empty when the year does not fit tm_year.
std::optional<std::tm> tm_of_fields(const local_fields& fields);

// The two calls that differ between systems (local_time_posix.cpp,
// local_time_win32.cpp); local_time.cpp builds the local_time.h services on them.
// The local broken-down time of `seconds`; false when the system cannot convert it.
bool system_local_tm(int64_t seconds, std::tm& out);
// mktime: the seconds of `tm`; empty when the system cannot represent it.
std::optional<int64_t> system_mktime(std::tm& tm);

}  // namespace tabulon
