#include "engine/link_target.h"

namespace tabulon {

namespace {

constexpr std::wstring_view kSegmentEnd = L"/?#";

}  // namespace

bool reads_as_scheme(std::wstring_view target) {
  const size_t end = target.find_first_of(kSegmentEnd);
  return target.substr(0, end).find(L':') != std::wstring_view::npos;
}

std::wstring scheme_safe(std::wstring_view target) {
  if (!reads_as_scheme(target)) return std::wstring(target);
  std::wstring safe = L"./";
  safe += target;
  return safe;
}

bool names_read_as_scheme(std::wstring_view script_part, std::wstring_view name_part) {
  // Once the script's text ends the first segment or names a scheme itself,
  // nothing the names add can change how the target is read.
  if (script_part.find_first_of(L":/?#") != std::wstring_view::npos) return false;
  return reads_as_scheme(name_part);
}

bool make_scheme_safe(std::wstring& out, size_t target_start, size_t names_start) {
  if (target_start > names_start || names_start > out.size()) return false;
  const std::wstring_view text(out);
  if (!names_read_as_scheme(text.substr(target_start, names_start - target_start),
                            text.substr(names_start)))
    return false;
  out.insert(target_start, L"./");
  return true;
}

}  // namespace tabulon
