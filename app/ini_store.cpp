#include "app/ini_store.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/text_file.h"
#include "base/wide_string.h"
#include "platform/safe_save.h"

namespace tabulon {

namespace {

// UTF-16 sort weight of a character: code points above U+FFFF sort as their
// high surrogate would.
uint32_t utf16_weight(wchar_t c) {
  const auto v = static_cast<uint32_t>(c);
  return v > 0xFFFF ? 0xD800 + ((v - 0x10000) >> 10) : v;
}

std::wstring errno_text(int err) {
  return err ? utf8_to_wide(std::strerror(err)) : std::wstring(L"cannot be opened");
}

}  // namespace

bool utf16_order::operator()(const std::wstring& a, const std::wstring& b) const {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const uint32_t wa = utf16_weight(a[i]);
    const uint32_t wb = utf16_weight(b[i]);
    if (wa != wb) return wa < wb;
    // Same high surrogate: two supplementary characters order by code point;
    // a lone high surrogate sorts before the pair it begins.
    return static_cast<uint32_t>(a[i]) < static_cast<uint32_t>(b[i]);
  }
  return a.size() < b.size();
}

bool ini_store::load(const std::wstring& file, const std::wstring& default_section,
                     std::wstring* error) {
  path = file;
  section = default_section;
  entries.clear();
  errno = 0;
  std::wstring text;
  if (!read_whole_file_utf8_default(file, text)) {
    if (error) *error = errno_text(errno);
    return false;
  }
  parse(text);
  return true;
}

void ini_store::parse(std::wstring_view text) {
  ini_section* current = nullptr;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    const bool last = end == std::wstring_view::npos;
    if (last) end = text.size();
    const std::wstring_view line = text.substr(start, end - start);
    start = end + 1;
    if (last && line.empty()) break;

    if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
      current = &entries[std::wstring(line.substr(1, line.size() - 2))];
      continue;
    }
    const size_t eq = line.find(L'=');
    if (eq == std::wstring_view::npos) continue;
    std::wstring_view value = line.substr(eq + 1);
    if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') {
      value = value.substr(1, value.size() - 2);
    }
    if (!current) current = &entries[std::wstring()];
    (*current)[std::wstring(line.substr(0, eq))] = std::wstring(value);
  }
}

std::wstring ini_store::get_string(const std::wstring& key, const std::wstring& fallback,
                                   const std::wstring& in_section) {
  ini_section& s = entries[section_name(in_section)];
  auto [it, inserted] = s.try_emplace(key, fallback);
  return it->second;
}

bool ini_store::get_bool(const std::wstring& key, bool fallback, const std::wstring& in_section) {
  return get_string(key, fallback ? L"TRUE" : L"FALSE", in_section) == L"TRUE";
}

int32_t ini_store::get_int(const std::wstring& key, int32_t fallback,
                           const std::wstring& in_section) {
  return wide_atoi(get_string(key, to_wide(fallback), in_section));
}

bool ini_store::has(const std::wstring& key, const std::wstring& in_section) const {
  auto s = entries.find(section_name(in_section));
  return s != entries.end() && s->second.count(key) != 0;
}

void ini_store::set_string(const std::wstring& key, const std::wstring& value,
                           const std::wstring& in_section) {
  entries[section_name(in_section)][key] = value;
}

void ini_store::set_bool(const std::wstring& key, bool value, const std::wstring& in_section) {
  set_string(key, value ? L"TRUE" : L"FALSE", in_section);
}

void ini_store::set_int(const std::wstring& key, int32_t value, const std::wstring& in_section) {
  set_string(key, to_wide(value), in_section);
}

void ini_store::remove(const std::wstring& key, const std::wstring& in_section) {
  auto s = entries.find(section_name(in_section));
  if (s != entries.end()) s->second.erase(key);
}

bool ini_store::get_font(const std::wstring& key, font_record& font, int pixels_per_inch) const {
  auto s = entries.find(section);
  if (s == entries.end()) return false;
  auto it = s->second.find(key);
  if (it == s->second.end()) return false;
  auto decoded = decode_font(it->second, pixels_per_inch);
  if (!decoded) return false;
  font = *decoded;
  return true;
}

void ini_store::set_font(const std::wstring& key, const font_record& font, int pixels_per_inch) {
  set_string(key, encode_font(font, pixels_per_inch));
}

bool ini_store::get_window_placement(const std::wstring& key, window_placement_record& placement,
                                     int screen_width, int screen_height) const {
  auto s = entries.find(section);
  if (s == entries.end()) return false;
  auto it = s->second.find(key);
  if (it == s->second.end()) return false;
  auto decoded = decode_window_placement(it->second, screen_width, screen_height);
  if (!decoded) return false;
  placement = *decoded;
  return true;
}

void ini_store::set_window_placement(const std::wstring& key,
                                     const window_placement_record& placement) {
  set_string(key, encode_window_placement(placement));
}

std::wstring ini_store::to_text() const {
  std::wstring out;
  for (const auto& [name, keys] : entries) {
    out += L"[" + name + L"]\n";
    for (const auto& [key, value] : keys) {
      out += key;
      out += L'=';
      // A value that begins and ends with a double quote would lose both on
      // reading; one more pair of quotes brings it back unchanged.
      if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') {
        out += L'"' + value + L'"';
      } else {
        out += value;
      }
      out += L'\n';
    }
  }
  return out;
}

bool ini_store::save(const std::wstring& file, std::wstring* error) const {
  const std::wstring target = file.empty() ? path : file;
  if (target.empty()) {
    if (error) *error = L"no file name";
    return false;
  }
  // An interrupted save must never leave a truncated configuration behind.
  const status saved = save_through_temporary(target, [this](const std::wstring& temporary) {
    return write_whole_file(temporary, to_text(), text_utf8, true);
  });
  if (!saved && error) *error = saved.action() == L"write" ? L"write failed" : saved.reason();
  return saved.ok();
}

}  // namespace tabulon
