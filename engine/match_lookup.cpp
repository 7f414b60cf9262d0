#include "engine/match_lookup.h"

#include "engine/wildcard.h"

namespace tabulon {

namespace {

// A code that stands for "matched, but write nothing" is never written out,
// whether it comes from the matching rule or from the fallback rule.
std::wstring code_text(const std::wstring& code) {
  return code == kNoCodeCode ? std::wstring() : code;
}

}  // namespace

std::wstring match_code_lookup(const std::vector<match_rule>& rules, std::wstring_view text) {
  std::wstring result;
  std::wstring fallback;
  bool matched = false;
  for (const match_rule& rule : rules) {
    const std::wstring_view patterns = rule.pattern;
    const bool is_fallback_rule = patterns == kNoMatchPattern;
    size_t begin = 0;
    while (true) {
      const size_t bar = patterns.find(L'|', begin);
      const std::wstring_view one = patterns.substr(
          begin, bar == std::wstring_view::npos ? std::wstring_view::npos : bar - begin);
      if (wildcard_match(one, text)) {
        result = code_text(rule.code);
        matched = true;
        break;
      }
      if (bar == std::wstring_view::npos || is_fallback_rule) break;
      begin = bar + 1;
    }
    if (is_fallback_rule) {
      fallback = code_text(rule.code);
      break;
    }
    if (matched) break;
  }
  if (result.empty()) result = fallback;
  return result;
}

}  // namespace tabulon
