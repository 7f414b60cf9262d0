#pragma once
// wildcard_match: the "*" and "?" comparison behind every pattern setting and
// every match rule of a script. "*" stands for any run of characters (also
// none), "?" for exactly one character, every other character only for itself.
// The comparison is exact; callers upper-case both sides where case must not
// matter.

#include <string_view>

namespace tabulon {

// True when `text` as a whole fits `pattern`. An empty pattern fits only an
// empty text; "*" fits everything. Runs in O(pattern × text) at worst, never
// exponentially, whatever the pattern.
bool wildcard_match(std::wstring_view pattern, std::wstring_view text);

}  // namespace tabulon
