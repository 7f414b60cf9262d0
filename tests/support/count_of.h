#pragma once
// Test support: how often `what` occurs in `text`, overlapping occurrences
// included; for checks on the rows and cells of a page, as bytes or as the
// program's wide text.

#include <cstddef>
#include <string_view>

namespace tabulon::testing {

template <class Char>
size_t count_of(std::basic_string_view<Char> text, std::basic_string_view<Char> what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::basic_string_view<Char>::npos;
       at = text.find(what, at + 1))
    ++n;
  return n;
}

inline size_t count_of(std::string_view text, std::string_view what) {
  return count_of<char>(text, what);
}
inline size_t count_of(std::wstring_view text, std::wstring_view what) {
  return count_of<wchar_t>(text, what);
}

}  // namespace tabulon::testing
