#pragma once
// The text forms of the interface font and of the main window's placement as
// they are stored in configuration files. Pure functions over plain records;
// the screen's pixels per inch and size are passed in by the caller.
//
// Font:      FACE,PointSize(%d),Weight(%d),Italic(%d),Underline(%d),StrikeOut(%d)
// Placement: flags(%d),showCmd(%d),ptMin(%d,%d),ptMax(%d,%d),rcNormal(%d,%d,%d,%d)
//            where the value behind "flags" is the show state and the value
//            behind "showCmd" the placement flags (the labels were always
//            swapped; reading swaps them back), and rcNormal holds left, right,
//            top, bottom in that order.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabulon {

struct font_record {
  std::wstring face;
  int32_t height = 0;    // in pixels; negative for a character height
  int32_t weight = 400;  // 400 normal, 700 bold
  int32_t italic = 0;
  int32_t underline = 0;
  int32_t strikeout = 0;
};

struct window_placement_record {
  int32_t flags = 0;
  int32_t show_cmd = 0;
  int32_t min_x = 0, min_y = 0;                      // minimized position
  int32_t max_x = 0, max_y = 0;                      // maximized position
  int32_t left = 0, top = 0, right = 0, bottom = 0;  // normal position
};

std::wstring encode_font(const font_record& font, int pixels_per_inch);
// Empty when the text has no comma or the part after the first comma does not
// yield all five numbers.
std::optional<font_record> decode_font(std::wstring_view text, int pixels_per_inch);

// The font used when none is stored: Arial at 10 points.
font_record default_interface_font(int pixels_per_inch);
// The heading font derived from the interface font: bold and about 1.55 times as high.
font_record heading_font(const font_record& base);

std::wstring encode_window_placement(const window_placement_record& placement);
// Empty unless all ten numbers are read and the normal rectangle overlaps the
// screen rectangle from (0,0) to (screen_width, screen_height).
std::optional<window_placement_record> decode_window_placement(std::wstring_view text,
                                                               int screen_width, int screen_height);

// Reads text by a scanf-like format in which "%d" is the only conversion and
// every other character must match itself. Returns how many numbers were read
// before the first mismatch; `out` receives at most `capacity` numbers.
int scan_numbers(std::wstring_view text, std::wstring_view format, int32_t* out, int capacity);

}  // namespace tabulon
