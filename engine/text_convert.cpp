#include "engine/text_convert.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "base/wide_string.h"
#include "platform/ansi_code_page.h"
#include "platform/native_path.h"

namespace tabulon {

using namespace std::string_view_literals;

namespace {

constexpr wchar_t kHex[] = L"0123456789ABCDEF";

void append_percent_byte(std::wstring& out, unsigned char byte) {
  out.push_back(L'%');
  out.push_back(kHex[byte >> 4]);
  out.push_back(kHex[byte & 0x0F]);
}

void append_numeric_reference(std::wstring& out, wchar_t c) {
  out += L"&#"sv;
  out += to_wide(static_cast<long long>(static_cast<uint32_t>(c)));
  out.push_back(L';');
}

// A character the page cannot carry, in a link: the bytes the file system
// knows the name by, so the browser asks for exactly that file.
void append_percent_utf8(std::wstring& out, wchar_t c) {
  if (is_escaped_byte(c)) {
    append_percent_byte(out, static_cast<unsigned char>(c - 0xDC00));
    return;
  }
  const std::string bytes = wide_to_utf8(std::wstring_view(&c, 1));
  for (const char b : bytes) append_percent_byte(out, static_cast<unsigned char>(b));
}

// A character the page cannot carry, in text. A stray file-name byte has no
// character at all; the replacement character shows that something was there.
void append_text_reference(std::wstring& out, wchar_t c) {
  append_numeric_reference(out, is_escaped_byte(c) ? wchar_t(0xFFFD) : c);
}

bool is_latin_table_char(wchar_t c) {
  return c >= 0xA1 && c <= 0xFF && c != 0xAD;
}

// Whether latin_to_url writes the two UTF-8 bytes of a Latin-1 character:
// always where file names are UTF-8 bytes, else when the page is Unicode.
bool latin_url_as_utf8(const build_settings& settings) {
  return kFileNamesAreUtf8 || settings.charset == charset_utf8 ||
         settings.charset == charset_utf16le;
}

}  // namespace

namespace {
// Only a 32-bit wchar_t can hold more than Unicode has; a function of its
// own, so that a 16-bit wchar_t does not make the test always false.
bool beyond_unicode(uint32_t value) {
  return value > 0x10FFFF;
}
}  // namespace

bool charset_carries(int32_t charset, wchar_t c) {
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  if (beyond_unicode(static_cast<uint32_t>(c))) return false;
  if (charset == charset_utf8 || charset == charset_utf16le) return true;
  return ansi_encode(c) >= 0;
}

namespace {

// The entity markup escaping writes for `c`, or nothing for any other character.
std::wstring_view markup_entity(wchar_t c) {
  if (c == L'&') return L"&amp;"sv;
  if (c == L'<') return L"&lt;"sv;
  if (c == L'>') return L"&gt;"sv;
  return c == L'"' ? L"&quot;"sv : std::wstring_view();
}

// ASCII that markup escaping leaves as it is.
inline bool is_plain_text_char(wchar_t c) {
  return static_cast<uint32_t>(c) < 0x80 && c != L'&' && c != L'<' && c != L'>' && c != L'"';
}

// The escape a link gives `c`, or nothing when `c` needs none of these.
// A space, and characters that would end the attribute, start a query or a
// fragment, or read as an entity or an escape, are written as escapes.
// (Looked up in a table: every character of every link passes here.)
struct link_escape_table {
  std::wstring_view escape[0x80] = {};
  constexpr link_escape_table() {
    constexpr std::pair<wchar_t, std::wstring_view> escapes[] = {
        {L'%', L"%25"sv}, {L'&', L"&amp;"sv}, {L' ', L"%20"sv}, {L';', L"%3B"sv},
        {L'#', L"%23"sv}, {L'<', L"%3C"sv},   {L'>', L"%3E"sv}, {L'"', L"%22"sv},
        {L'?', L"%3F"sv}, {L'\\', L"%5C"sv}};
    for (const auto& [c, text] : escapes) escape[c] = text;
    // A backslash is a separator where it is one; elsewhere part of the name.
    if (kPathSeparator == L'\\') escape[L'\\'] = {};
  }
};
inline constexpr link_escape_table kLinkEscapes;

inline std::wstring_view link_escape_of(wchar_t c) {
  const auto code = static_cast<uint32_t>(c);
  return code < 0x80 ? kLinkEscapes.escape[code] : std::wstring_view();
}

// ASCII that link targets carry as it is: printable and never escaped.
inline bool is_plain_link_char(wchar_t c) {
  return c > 0x20 && c < 0x7F && link_escape_of(c).empty();
}

// Copies the runs of characters that `plain` accepts whole (plain ASCII is
// the bulk of every name) and hands every other character to `other`.
template <typename Plain, typename Other>
void append_in_runs(std::wstring& out, std::wstring_view text, Plain plain, Other other) {
  for (size_t i = 0; i < text.size();) {
    size_t end = i;
    while (end < text.size() && plain(text[end])) ++end;
    out.append(text.data() + i, end - i);
    if (end == text.size()) break;
    other(text[end]);
    i = end + 1;
  }
}

// Markup characters as entities, characters the page cannot carry as numeric
// references, and with `latin` the Latin table characters as numeric references too.
void append_markup_escaped(std::wstring& out, const build_settings& settings,
                           std::wstring_view text, bool latin) {
  // Plain ASCII: every charset carries it.
  append_in_runs(out, text, is_plain_text_char, [&](wchar_t c) {
    if (const std::wstring_view entity = markup_entity(c); !entity.empty()) {
      out += entity;
    } else if (c < 0x80) {
      if (charset_carries(settings.charset, c)) {
        out.push_back(c);
      } else {
        append_text_reference(out, c);
      }
    } else if (charset_carries(settings.charset, c)) {
      if (latin && is_latin_table_char(c)) {
        append_numeric_reference(out, c);
      } else {
        out.push_back(c);
      }
    } else {
      append_text_reference(out, c);
    }
  });
}

}  // namespace

std::wstring escape_amp(const build_settings& settings, std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + 8);
  append_markup_escaped(out, settings, text, false);
  return out;
}

// One pass instead of replace-all steps with marker words: the result is the
// same for every name, except that a name which happens to contain a marker
// word keeps it instead of having it turned into "%25" or "&amp;".
std::wstring escape_href(const build_settings& settings, std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + 8);
  for (const wchar_t c : text) {
    if (const std::wstring_view escape = link_escape_of(c); !escape.empty()) {
      out += escape;
    } else if (c >= 0x20 && c != 0x7F && charset_carries(settings.charset, c)) {
      out.push_back(c);
    } else {
      // Control characters (a tab or line break in a name) would end or
      // split the attribute value, so they are percent-escaped too.
      append_percent_utf8(out, c);
    }
  }
  return out;
}

std::wstring latin_to_url_table(std::wstring_view text, bool utf8_bytes) {
  std::wstring out;
  out.reserve(text.size());
  for (const wchar_t c : text) {
    if (!is_latin_table_char(c)) {
      out.push_back(c);
    } else if (utf8_bytes) {
      append_percent_byte(out, static_cast<unsigned char>(0xC0 | (c >> 6)));
      append_percent_byte(out, static_cast<unsigned char>(0x80 | (c & 0x3F)));
    } else {
      append_percent_byte(out, static_cast<unsigned char>(c));
    }
  }
  return out;
}

std::wstring latin_to_url(const build_settings& settings, std::wstring_view text) {
  if (!settings.replace_latin_chars) return std::wstring(text);
  return latin_to_url_table(text, latin_url_as_utf8(settings));
}

std::wstring latin_to_entities(const build_settings& settings, std::wstring_view text) {
  if (!settings.replace_latin_chars) return std::wstring(text);
  std::wstring out;
  out.reserve(text.size());
  for (const wchar_t c : text) {
    if (is_latin_table_char(c)) {
      append_numeric_reference(out, c);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::wstring typographic_entities(std::wstring_view text) {
  constexpr std::pair<wchar_t, std::wstring_view> entities[] = {{wchar_t(0x20AC), L"&euro;"sv},
                                                                {wchar_t(0x2019), L"&rsquo;"sv},
                                                                {wchar_t(0x2018), L"&lsquo;"sv},
                                                                {wchar_t(0x201C), L"&ldquo;"sv},
                                                                {wchar_t(0x201D), L"&rdquo;"sv}};
  std::wstring out;
  out.reserve(text.size());
  for (const wchar_t c : text) {
    const auto* found = std::find_if(std::begin(entities), std::end(entities),
                                     [c](const auto& entry) { return entry.first == c; });
    if (found != std::end(entities)) {
      out += found->second;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::wstring link_text_of(const build_settings& settings, std::wstring_view name) {
  const std::wstring latin = latin_to_url(settings, name);
  // "%%F" usually stands inside a link, where only the byte itself names the file.
  std::wstring bytes;
  bytes.reserve(latin.size());
  for (const wchar_t c : latin) {
    if (is_escaped_byte(c)) {
      append_percent_byte(bytes, static_cast<unsigned char>(c - 0xDC00));
    } else {
      bytes.push_back(c);
    }
  }
  return escape_amp(settings, bytes);
}

std::wstring stem_of(const build_settings& settings, std::wstring_view name) {
  const size_t dot = name.rfind(L'.');
  return escape_amp(settings, dot == std::wstring_view::npos ? name : name.substr(0, dot));
}

std::wstring shorten_middle(std::wstring_view text, int32_t limit) {
  if (limit <= 0) return std::wstring(text);
  if (limit < 10) limit = 10;
  const size_t max = static_cast<size_t>(limit);
  if (text.size() <= max) return std::wstring(text);
  const size_t head = max / 2;
  const size_t tail = max - head - 3;
  std::wstring out(text.substr(0, head));
  out += L"..."sv;
  out += text.substr(text.size() - tail);
  return out;
}

std::wstring column_group(const build_settings& settings, std::wstring_view first,
                          std::wstring_view second, int32_t count) {
  if (first.empty() && second.empty()) return {};
  const bool xhtml = settings.doctype == 1 || settings.doctype == 2 || settings.doctype == 4;
  const std::wstring_view empty_col = xhtml ? L"<col />" : L"<col>";
  if (first.empty()) first = empty_col;
  if (second.empty()) second = empty_col;
  std::wstring out = L"<colgroup>";
  for (int32_t i = 0; i < count; ++i) out += (i % 2 == 0) ? first : second;
  out += L"</colgroup>\n"sv;
  return out;
}

std::wstring dir_display(const build_settings& settings, std::wstring_view path) {
  // A folder on the program's own drive is shown without the drive.
  if (native_path_style().has_drives && path.size() >= 2 && path[1] == L':' &&
      !settings.program_folder.empty() && path[0] == settings.program_folder[0]) {
    return std::wstring(path.substr(2));
  }
  return std::wstring(path);
}

void append_link_target(std::wstring& out, const build_settings& settings, std::wstring_view text) {
  const bool latin = settings.replace_latin_chars != 0;
  const bool utf8 = latin_url_as_utf8(settings);
  // Plain ASCII passes both steps unchanged.
  append_in_runs(out, text, is_plain_link_char, [&](wchar_t c) {
    if (const std::wstring_view escape = link_escape_of(c); !escape.empty()) {
      out += escape;
    } else if (c >= 0x20 && c != 0x7F && charset_carries(settings.charset, c)) {
      if (latin && is_latin_table_char(c)) {
        if (utf8) {
          append_percent_byte(out, static_cast<unsigned char>(0xC0 | (c >> 6)));
          append_percent_byte(out, static_cast<unsigned char>(0x80 | (c & 0x3F)));
        } else {
          append_percent_byte(out, static_cast<unsigned char>(c));
        }
      } else {
        out.push_back(c);
      }
    } else {
      append_percent_utf8(out, c);
    }
  });
}

void append_link_text(std::wstring& out, const build_settings& settings, std::wstring_view text) {
  append_markup_escaped(out, settings, text, settings.replace_latin_chars != 0);
}

std::wstring protect_markup(const build_settings& settings, std::wstring_view text,
                            bool link_form) {
  std::wstring out;
  out.reserve(text.size());
  for (const wchar_t c : text) {
    if (const std::wstring_view entity = markup_entity(c); !entity.empty() && c != L'&') {
      out += entity;
    } else if (charset_carries(settings.charset, c)) {
      out.push_back(c);
    } else if (link_form && is_escaped_byte(c)) {
      append_percent_byte(out, static_cast<unsigned char>(c - 0xDC00));
    } else {
      append_text_reference(out, c);
    }
  }
  return out;
}

std::wstring escape_markup(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (const wchar_t c : text) {
    if (const std::wstring_view entity = markup_entity(c); !entity.empty()) {
      out += entity;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace tabulon
