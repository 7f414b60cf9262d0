#include "engine/size_format.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "base/wide_string.h"

namespace tabulon {

using namespace std::string_view_literals;

namespace {

std::wstring three_decimals(float value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(value));
  return std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}

struct number_style {
  std::wstring_view separator;
  wchar_t decimal_mark;
};

number_style style_of(int32_t number_format) {
  switch (number_format) {
    case 1:
      return {L".", L','};
    case 2:
      return {L"'", L'.'};
    case 4:
      return {L" ", L'/'};
    case 5:
      return {L" ", L'-'};
    case 6:
      return {L" ", L'.'};
    default:
      return {L",", L'.'};  // 0, 3 and unknown codes
  }
}

}  // namespace

std::wstring format_size(const build_settings& settings, int64_t bytes) {
  switch (settings.file_size_display_type) {
    case 0:
      return to_wide(bytes);
    case 1:
      return to_wide(bytes / 1024);
    // The scaled value is held in single precision, as the sizes always were.
    case 2:
      return three_decimals(static_cast<float>(static_cast<float>(bytes) * 0x1p-20f));
    case 3:
      return three_decimals(static_cast<float>(static_cast<float>(bytes) * 0x1p-30f));
    default:
      return three_decimals(static_cast<float>(bytes));
  }
}

std::wstring group_digits(const build_settings& settings, std::wstring_view text,
                          bool has_decimals) {
  std::wstring out(text);
  if (!settings.insert_commas) return out;
  const number_style style = style_of(settings.number_format);
  const size_t tail = has_decimals ? 7 : 3;
  if (out.size() > tail) {
    for (size_t n = out.size() - tail; n > 0; n = n > 3 ? n - 3 : 0) {
      out.insert(n, style.separator);
    }
  }
  if (has_decimals && out.size() >= 4) out[out.size() - 4] = style.decimal_mark;
  return out;
}

std::wstring format_size_cell(const build_settings& settings, int64_t bytes) {
  const int32_t type = settings.file_size_display_type;
  std::wstring out = group_digits(settings, format_size(settings, bytes), type != 0 && type != 1);
  switch (type) {
    case 1:
      out += L"&nbsp;" + settings.k_word;
      break;
    case 2:
      out += L"&nbsp;" + settings.megabytes_word;
      break;
    case 3:
      out += L"&nbsp;" + settings.gigabytes_word;
      break;
    default:
      break;
  }
  return out;
}

void append_size_cell(std::wstring& out, const build_settings& settings, int64_t bytes) {
  const int32_t type = settings.file_size_display_type;
  const int64_t value = type == 0 ? bytes : bytes / 1024;
  if ((type != 0 && type != 1) || value < 0) {
    out += format_size_cell(settings, bytes);
    return;
  }
  char digits[24];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  (void)ec;  // 24 characters hold every 64-bit value
  const size_t count = static_cast<size_t>(end - digits);
  const std::wstring_view separator =
      settings.insert_commas ? style_of(settings.number_format).separator : std::wstring_view();
  for (size_t i = 0; i < count; ++i) {
    // A separator before every group of three counted from the right.
    if (i > 0 && (count - i) % 3 == 0) out += separator;
    out.push_back(static_cast<wchar_t>(digits[i]));
  }
  if (type == 1) {
    out += L"&nbsp;"sv;
    out += settings.k_word;
  }
}

std::wstring_view line_break(const build_settings& settings) {
  const int32_t d = settings.doctype;
  return (d == 1 || d == 2 || d == 4) ? L"<br />" : L"<br>";
}

}  // namespace tabulon
