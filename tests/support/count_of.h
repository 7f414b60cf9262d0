#pragma once
// Test support: how often `what` occurs in `text`, overlapping occurrences
// included; for checks on the rows and cells of a page.

#include <cstddef>
#include <string_view>

namespace tabulon::testing {

inline size_t count_of(std::wstring_view text, std::wstring_view what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::wstring_view::npos; at = text.find(what, at + 1))
    ++n;
  return n;
}

}  // namespace tabulon::testing
