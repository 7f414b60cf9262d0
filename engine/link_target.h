#pragma once
// link_target: keeps a link made from file and folder names from being read
// as a URL scheme.
//
// A browser reads the text before the first ":" of a link target as its
// scheme when no "/", "?" or "#" comes first. A file named
// "javascript:alert(1)" would then run as script in the page, and
// "C:drive.txt", "http:x.txt" or a folder "d:ir" would not be found. Such a
// target gets "./" in front, which names the same file; every other target is
// left exactly as it is.
//
// None of these functions fail.

#include <cstddef>
#include <string>
#include <string_view>

namespace tabulon {

// True when the first segment of `target` (the text before its first "/",
// "?" or "#") holds a ":".
bool reads_as_scheme(std::wstring_view target);

// `target` with "./" in front when it reads as a scheme, else unchanged.
std::wstring scheme_safe(std::wstring_view target);

// For a target that starts with text the script wrote (such as /FILE_PREFIX
// or the "File://" base of full path links) and goes on with text made from
// names: true when a ":" of the names falls into the target's first segment.
// A ":" the script wrote itself ("http://host/") is its author's choice and
// never counts.
bool names_read_as_scheme(std::wstring_view script_part, std::wstring_view name_part);

// Makes the target that starts at `target_start` in `out` safe: when the
// names written from `names_start` on read as a scheme, "./" is put in front
// of the target. Returns whether it did.
bool make_scheme_safe(std::wstring& out, size_t target_start, size_t names_start);

}  // namespace tabulon
