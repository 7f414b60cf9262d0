#pragma once
// The conversions every name, path and section text passes through on its way
// into a page: ampersand and markup escaping, percent escaping of link
// targets, the Latin-1 and typographic replacement tables, middle shortening
// of long names, column groups and the displayed folder path.
//
// Markup safety: a name can never inject markup or break a link.
// - Text forms (escape_amp and everything built on it) write "<", ">" and '"'
//   as entities.
// - Link targets (escape_href) percent-escape "<", ">", '"' and "?" as well,
//   and on POSIX "\".
// - A character the page's character set (`charset`) cannot carry is written
//   as a numeric character reference in text and as the percent escapes of its
//   UTF-8 bytes in link targets. A byte of a file name that is not valid UTF-8
//   (kept as U+DC80 + byte, see base/wide_string.h) becomes "%XX" of that byte
//   in link targets and U+FFFD ("&#65533;") in text.
//
// None of these functions fails; every one returns a new text, except the
// append_ forms, which add to the caller's text.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/build_settings.h"

namespace tabulon {

// True when a page written in `charset` (charset_ansi: Windows-1252,
// charset_utf8, charset_utf16le) can hold `c` as it is.
bool charset_carries(int32_t charset, wchar_t c);

// True for U+DC80..U+DCFF, the stand-in of a file-name byte that is not UTF-8.
inline bool is_escaped_byte(wchar_t c) {
  return c >= 0xDC80 && c <= 0xDCFF;
}

// Text form of a name: "&" becomes "&amp;", "<" "&lt;", ">" "&gt;", '"'
// "&quot;"; characters the charset lacks become numeric references.
std::wstring escape_amp(const build_settings& settings, std::wstring_view text);

// Link-target form: "%" to "%25", "&" to "&amp;", " " to "%20", ";" to "%3B",
// "#" to "%23", plus the markup-safety escapes above. Every "%" produced is
// written once: the text is converted in one pass.
std::wstring escape_href(const build_settings& settings, std::wstring_view text);

// Characters U+00A1..U+00FF except U+00AD as percent escapes, only when
// `replace_latin_chars` is on. Windows pages in UTF-8 or UTF-16 use the two
// UTF-8 bytes ("%C3%A9"), Windows ANSI pages the single byte ("%E9"); on POSIX
// a link must name the file's own bytes, so the UTF-8 form is always used.
std::wstring latin_to_url(const build_settings& settings, std::wstring_view text);
// The same table with an explicit choice, for tests and for callers that
// know the form they need.
std::wstring latin_to_url_table(std::wstring_view text, bool utf8_bytes);

// Characters U+00A1..U+00FF except U+00AD as "&#NNN;", only when
// `replace_latin_chars` is on.
std::wstring latin_to_entities(const build_settings& settings, std::wstring_view text);

// U+20AC, U+2019, U+2018, U+201C, U+201D as "&euro;", "&rsquo;", "&lsquo;",
// "&ldquo;", "&rdquo;"; always applied.
std::wstring typographic_entities(std::wstring_view text);

// A file name as used by "%%F": latin_to_url, then non-UTF-8 bytes as "%XX",
// then escape_amp.
std::wstring link_text_of(const build_settings& settings, std::wstring_view name);

// The name up to its last "." (the whole name without one), then escape_amp.
std::wstring stem_of(const build_settings& settings, std::wstring_view name);

// A text longer than `limit` keeps its first limit/2 and its last
// limit - limit/2 - 3 characters around "...". A limit of 0 (or less) leaves
// the text alone; a limit from 1 to 9 acts as 10.
std::wstring shorten_middle(std::wstring_view text, int32_t limit);

// "<colgroup>", `count` column texts alternating first, second, first, ...,
// "</colgroup>\n". Empty when both texts are empty; one empty text is written
// as "<col />" (doctype 1, 2, 4) or "<col>".
std::wstring column_group(const build_settings& settings, std::wstring_view first,
                          std::wstring_view second, int32_t count);

// A folder path as shown in pages: on Windows a path on the program folder's
// drive loses its drive letter and colon; on POSIX the path is unchanged.
std::wstring dir_display(const build_settings& settings, std::wstring_view path);

// escape_href followed by latin_to_url, appended to `out` in one pass (the
// link target of a file row, without a new text per row).
void append_link_target(std::wstring& out, const build_settings& settings, std::wstring_view text);

// escape_amp followed by latin_to_entities, appended to `out` in one pass
// (the visible name of a file row).
void append_link_text(std::wstring& out, const build_settings& settings, std::wstring_view text);

// A raw name or path put into a page where the context (text or link) is not
// known, such as "%%F_PATH": only "<", ">" and '"' become entities, characters
// the charset lacks become numeric references, and non-UTF-8 bytes become
// "%XX" when `link_form` is set or "&#65533;" otherwise. "&" stays.
std::wstring protect_markup(const build_settings& settings, std::wstring_view text, bool link_form);

// "&", "<", ">" and '"' as entities, every other character as it is: for
// text that is already in the page's terms, such as a frame title.
std::wstring escape_markup(std::wstring_view text);

}  // namespace tabulon
