#include "base/wide_string.h"

#include <climits>

namespace tabulon {

namespace {

constexpr char32_t kEscapeBase = 0xDC80;

void append_code_point(std::wstring& out, char32_t cp) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(cp));
}

}  // namespace

std::wstring utf8_to_wide(std::string_view bytes) {
  std::wstring out;
  append_utf8_as_wide(out, bytes);
  return out;
}

void append_utf8_as_wide(std::wstring& out, std::string_view bytes) {
  out.reserve(out.size() + bytes.size());
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      out.push_back(static_cast<wchar_t>(c));
      ++i;
      continue;
    }
    int len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4, cp = c & 0x07, min = 0x10000;
    }
    bool ok = len > 0 && i + len <= n;
    for (int k = 1; ok && k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(bytes[i + k]);
      if ((cc & 0xC0) != 0x80) {
        ok = false;
      } else {
        cp = (cp << 6) | (cc & 0x3F);
      }
    }
    // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
    if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
    if (ok) {
      append_code_point(out, cp);
      i += len;
    } else {
      out.push_back(static_cast<wchar_t>(0xDC00 + c));  // c >= 0x80: U+DC80..U+DCFF
      ++i;
    }
  }
}

std::string wide_to_utf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
        const char32_t lo = static_cast<char32_t>(text[i + 1]);
        if (lo >= 0xDC00 && lo <= 0xDFFF) {
          cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
          ++i;
        }
      }
    }
    if (cp >= kEscapeBase && cp <= kEscapeBase + 0x7F) {
      out.push_back(static_cast<char>(cp - kEscapeBase + 0x80));
      continue;
    }
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::wstring upper_ascii(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) c = upper_ascii(c);
  return out;
}

size_t replace_all(std::wstring& text, std::wstring_view from, std::wstring_view to) {
  if (from.empty()) return 0;
  size_t pos = text.find(from);
  if (pos == std::wstring::npos) return 0;
  std::wstring out;
  out.reserve(text.size());
  size_t last = 0;
  size_t count = 0;
  while (pos != std::wstring::npos) {
    out.append(text, last, pos - last);
    out.append(to);
    last = pos + from.size();
    ++count;
    pos = text.find(from, last);
  }
  out.append(text, last, std::wstring::npos);
  text.swap(out);
  return count;
}

std::wstring to_wide(long long value) {
  return std::to_wstring(value);
}

int32_t wide_atoi(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return static_cast<int32_t>(value);
}

}  // namespace tabulon
