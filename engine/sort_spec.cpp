#include "engine/sort_spec.h"

namespace tabulon {

namespace {
// Type letters in the order of their codes 0 to 6.
constexpr std::wstring_view kTypeLetters = L"NSEDRAU";
}  // namespace

sort_spec parse_sort_type(std::wstring_view text) {
  sort_spec spec;
  if (!text.empty()) {
    const size_t kind = kTypeLetters.find(text[0]);
    if (kind != std::wstring_view::npos) spec.kind = static_cast<int32_t>(kind);
  }
  if (text.size() >= 2) {
    if (text[1] == L'-') spec.descending = 1;
    if (text[1] == L'=') spec.kind = 6;
  }
  return spec;
}

std::wstring format_sort_type(int32_t kind, bool descending) {
  std::wstring text(1, kind >= 0 && kind < 7 ? kTypeLetters[static_cast<size_t>(kind)] : L'N');
  text.push_back(descending ? L'-' : L'+');
  return text;
}

}  // namespace tabulon
