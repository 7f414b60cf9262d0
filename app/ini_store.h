#pragma once
// ini_store: one configuration file (".init") in memory. Sections of key=value
// lines, typed look-ups that store their default when a key is missing, and a
// writer that puts the whole store back on disk.
//
// Section names and keys are exact, case-sensitive texts; both levels are kept
// in ascending order of their UTF-16 code units, which is also the order in
// which save() writes them.
//
// Failure: load() returns false when the file cannot be read (the store is then
// empty and every look-up gives its default); save() returns false when the
// file cannot be written, and the file that was there before stays untouched.

#include <map>
#include <string>
#include <string_view>

#include "app/font_placement.h"

namespace tabulon {

// Orders texts by their UTF-16 code units, so that characters above U+FFFF
// sort as their surrogate pairs would, even where wchar_t holds code points.
struct utf16_order {
  bool operator()(const std::wstring& a, const std::wstring& b) const;
};

using ini_section = std::map<std::wstring, std::wstring, utf16_order>;
using ini_entries = std::map<std::wstring, ini_section, utf16_order>;

struct ini_store {
  std::wstring path;     // the file last loaded
  std::wstring section;  // default section for look-ups with an empty section
  ini_entries entries;

  // Remembers `file` and `default_section`, empties the store and reads the file.
  // False when the file cannot be read; `error` (if given) then says why.
  bool load(const std::wstring& file, const std::wstring& default_section,
            std::wstring* error = nullptr);
  // Parses configuration text into the store, adding to what is there. Lines
  // end at "\n"; the file readers have already removed the "\r" of "\r\n", so
  // any other "\r" is part of the line.
  void parse(std::wstring_view text);

  // The stored value; a missing key gets `fallback` stored and returned.
  std::wstring get_string(const std::wstring& key, const std::wstring& fallback,
                          const std::wstring& in_section = L"");
  // Only the exact text "TRUE" is true.
  bool get_bool(const std::wstring& key, bool fallback, const std::wstring& in_section = L"");
  // The standard text-to-integer conversion of the stored value.
  int32_t get_int(const std::wstring& key, int32_t fallback, const std::wstring& in_section = L"");
  // True when `key` is present (stores nothing).
  bool has(const std::wstring& key, const std::wstring& in_section = L"") const;

  void set_string(const std::wstring& key, const std::wstring& value,
                  const std::wstring& in_section = L"");
  void set_bool(const std::wstring& key, bool value, const std::wstring& in_section = L"");
  void set_int(const std::wstring& key, int32_t value, const std::wstring& in_section = L"");
  void remove(const std::wstring& key, const std::wstring& in_section = L"");

  // Decodes the font stored under `key`; false (and `font` unchanged) when the
  // value is missing or does not hold all five numbers. Stores nothing.
  bool get_font(const std::wstring& key, font_record& font, int pixels_per_inch) const;
  void set_font(const std::wstring& key, const font_record& font, int pixels_per_inch);
  // Decodes the placement under `key`; false (and `placement` unchanged) unless
  // all ten numbers are there and the normal rectangle overlaps the screen.
  bool get_window_placement(const std::wstring& key, window_placement_record& placement,
                            int screen_width, int screen_height) const;
  void set_window_placement(const std::wstring& key, const window_placement_record& placement);

  // The whole store as file text: "[section]" lines, each followed by its
  // "key=value" lines, every line ended by "\n".
  std::wstring to_text() const;
  // Writes to_text() to `file` (the loaded path when empty) as UTF-8 with a byte
  // order mark and "\r\n" line ends, through a temporary file renamed into place.
  bool save(const std::wstring& file = L"", std::wstring* error = nullptr) const;

 private:
  const std::wstring& section_name(const std::wstring& in_section) const {
    return in_section.empty() ? section : in_section;
  }
};

}  // namespace tabulon
