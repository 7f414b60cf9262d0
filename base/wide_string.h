#pragma once
// Small helpers for the wide text that tabulon uses everywhere, and the one
// place where file names cross between bytes and wide text.
//
// File names on POSIX are bytes. They are decoded as UTF-8; a byte that is not
// part of valid UTF-8 becomes the code point U+DC80 + byte ("surrogate escape"),
// and encoding turns such a code point back into that byte, so any name makes
// the round trip unchanged.

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulon {

// Decodes UTF-8 bytes, escaping every byte of an invalid sequence as U+DC80+byte.
std::wstring utf8_to_wide(std::string_view bytes);
// The same, appended to `out` (the text file reader decodes line by line).
void append_utf8_as_wide(std::wstring& out, std::string_view bytes);

// Encodes wide text as UTF-8. U+DC80..U+DCFF become the single byte they escape;
// other lone surrogates become U+FFFD.
std::string wide_to_utf8(std::wstring_view text);

// A path or file name as the bytes the operating system takes.
inline std::string to_native(std::wstring_view path) {
  return wide_to_utf8(path);
}
inline std::wstring from_native(std::string_view path) {
  return utf8_to_wide(path);
}

// Upper-cases a to z only; every other character stays as it is.
std::wstring upper_ascii(std::wstring_view text);
inline wchar_t upper_ascii(wchar_t c) {
  return (c >= L'a' && c <= L'z') ? wchar_t(c - 32) : c;
}

// Replaces every occurrence of `from` (not empty) by `to`, scanning left to right
// and never rescanning replaced text. Returns the number of replacements.
size_t replace_all(std::wstring& text, std::wstring_view from, std::wstring_view to);

// Inline: the scan asks for every name of a tree.
inline bool starts_with(std::wstring_view text, std::wstring_view prefix) {
  return text.starts_with(prefix);
}
inline bool ends_with(std::wstring_view text, std::wstring_view suffix) {
  return text.ends_with(suffix);
}

// Decimal text of a number, as wide text.
std::wstring to_wide(long long value);

// The standard text-to-integer conversion (atoi): leading blanks, an optional
// sign, then as many digits as follow; anything else gives 0. Saturates at the
// limits of the 32-bit range instead of overflowing.
int32_t wide_atoi(std::wstring_view text);

}  // namespace tabulon
