#pragma once
// Looking up the code of a script match list for an entry's name key.

#include <string>
#include <string_view>
#include <vector>

#include "base/script_template.h"

namespace tabulon {

// Pattern text of the rule whose code is used when no rule matches.
inline constexpr std::wstring_view kNoMatchPattern = L"NO_MATCH-TABULON";
// Code text of a rule that matches but produces no code.
inline constexpr std::wstring_view kNoCodeCode = L"NO_CODE-TABULON";

// The code of the first rule with a "|"-separated pattern that matches `text`
// (wildcards "*" and "?", case-sensitive). A rule whose pattern is exactly
// "NO_MATCH-TABULON" ends the search and supplies the fallback code, used when
// the result would otherwise be empty. A code of "NO_CODE-TABULON" stands for
// the empty text, also as a fallback. Returns the empty text when nothing
// matches and no fallback was reached.
std::wstring match_code_lookup(const std::vector<match_rule>& rules, std::wstring_view text);

}  // namespace tabulon
