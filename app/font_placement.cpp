#include "app/font_placement.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tabulon {

namespace {

constexpr std::wstring_view kFontFormat =
    L"PointSize(%d),Weight(%d),Italic(%d),Underline(%d),StrikeOut(%d)";
constexpr std::wstring_view kPlacementFormat =
    L"flags(%d),showCmd(%d),ptMin(%d,%d),ptMax(%d,%d),rcNormal(%d,%d,%d,%d)";

bool is_space(wchar_t c) {
  return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// A non-positive resolution would divide by zero; screens report 96 when unsure.
int usable_ppi(int pixels_per_inch) {
  return pixels_per_inch > 0 ? pixels_per_inch : 96;
}

std::wstring format_numbers(std::wstring_view format, const int32_t* values) {
  std::wstring out;
  int next = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == L'%' && i + 1 < format.size() && format[i + 1] == L'd') {
      out += std::to_wstring(values[next++]);
      ++i;
    } else {
      out.push_back(format[i]);
    }
  }
  return out;
}

}  // namespace

int scan_numbers(std::wstring_view text, std::wstring_view format, int32_t* out, int capacity) {
  size_t t = 0;
  int count = 0;
  for (size_t f = 0; f < format.size(); ++f) {
    if (format[f] == L'%' && f + 1 < format.size() && format[f + 1] == L'd') {
      ++f;
      while (t < text.size() && is_space(text[t])) ++t;
      bool negative = false;
      if (t < text.size() && (text[t] == L'-' || text[t] == L'+')) {
        negative = text[t] == L'-';
        ++t;
      }
      if (t >= text.size() || text[t] < L'0' || text[t] > L'9') return count;
      long long value = 0;
      while (t < text.size() && text[t] >= L'0' && text[t] <= L'9') {
        if (value <= INT_MAX) value = value * 10 + (text[t] - L'0');
        ++t;
      }
      if (negative) value = -value;
      // Out-of-range numbers saturate instead of overflowing.
      if (value > INT_MAX) value = INT_MAX;
      if (value < INT_MIN) value = INT_MIN;
      if (count < capacity) out[count] = static_cast<int32_t>(value);
      ++count;
    } else if (is_space(format[f])) {
      while (t < text.size() && is_space(text[t])) ++t;
    } else {
      if (t >= text.size() || text[t] != format[f]) return count;
      ++t;
    }
  }
  return count;
}

std::wstring encode_font(const font_record& font, int pixels_per_inch) {
  const int ppi = usable_ppi(pixels_per_inch);
  const double points = -static_cast<double>(font.height) * 72.0 / ppi;
  const long long rounded = std::llround(points);
  int32_t values[5] = {static_cast<int32_t>(std::clamp<long long>(rounded, INT_MIN, INT_MAX)),
                       font.weight, font.italic, font.underline, font.strikeout};
  return font.face + L"," + format_numbers(kFontFormat, values);
}

std::optional<font_record> decode_font(std::wstring_view text, int pixels_per_inch) {
  const size_t comma = text.find(L',');
  if (comma == std::wstring_view::npos) return std::nullopt;
  int32_t values[5] = {};
  if (scan_numbers(text.substr(comma + 1), kFontFormat, values, 5) < 5) return std::nullopt;
  const int ppi = usable_ppi(pixels_per_inch);
  font_record font;
  font.face = std::wstring(text.substr(0, comma));
  const long long height = -(static_cast<long long>(values[0]) * ppi) / 72;
  font.height = static_cast<int32_t>(std::clamp<long long>(height, INT_MIN, INT_MAX));
  font.weight = values[1];
  font.italic = values[2];
  font.underline = values[3];
  font.strikeout = values[4];
  return font;
}

font_record default_interface_font(int pixels_per_inch) {
  font_record font;
  font.face = L"Arial";
  font.height = -(10 * usable_ppi(pixels_per_inch)) / 72;
  return font;
}

font_record heading_font(const font_record& base) {
  font_record heading = base;
  heading.weight = 700;
  int32_t height = static_cast<int32_t>(std::clamp(base.height * 1.55, -2.0e9, 2.0e9));
  if (height / 2 != 0) height += 1;
  heading.height = height;
  return heading;
}

std::wstring encode_window_placement(const window_placement_record& p) {
  int32_t values[10] = {p.show_cmd, p.flags, p.min_x, p.min_y, p.max_x,
                        p.max_y,    p.left,  p.right, p.top,   p.bottom};
  return format_numbers(kPlacementFormat, values);
}

std::optional<window_placement_record> decode_window_placement(std::wstring_view text,
                                                               int screen_width,
                                                               int screen_height) {
  int32_t v[10] = {};
  if (scan_numbers(text, kPlacementFormat, v, 10) < 10) return std::nullopt;
  window_placement_record p;
  p.show_cmd = v[0];
  p.flags = v[1];
  p.min_x = v[2];
  p.min_y = v[3];
  p.max_x = v[4];
  p.max_y = v[5];
  p.left = v[6];
  p.right = v[7];
  p.top = v[8];
  p.bottom = v[9];
  // A window restored wholly off the screen could never be reached again.
  const bool overlaps = std::max(p.left, 0) < std::min(p.right, screen_width) &&
                        std::max(p.top, 0) < std::min(p.bottom, screen_height);
  if (!overlaps) return std::nullopt;
  return p;
}

}  // namespace tabulon
