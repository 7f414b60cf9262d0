#pragma once
// The two-character sort specification of `sort_type`: a type letter
// (N name, S size, E extension, D date modified, R random, A last access,
// U unsorted) and a direction ("+" ascending, "-" descending).
//
// Parsing never fails: an unknown letter means by name, any second character
// other than "-" and "=" means ascending, and "=" means unsorted.

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulon {

struct sort_spec {
  int32_t kind = 0;        // sort_code of base/build_settings.h
  int32_t descending = 0;  // 1 for descending
};

sort_spec parse_sort_type(std::wstring_view text);

// The text form of a sort type and direction ("S-"); an unknown type is "N".
std::wstring format_sort_type(int32_t kind, bool descending);

}  // namespace tabulon
