#include "ui/choice_lists.h"

#include <algorithm>
#include <array>

#include "base/build_settings.h"

namespace tabulon {
namespace {

struct list_shape {
  std::span<const std::wstring_view> labels;
  std::span<const int32_t> codes;  // code of each entry, in list order
};

constexpr std::wstring_view size_labels[] = {L"Bytes", L"K", L"MB", L"GB"};
constexpr int32_t size_codes[] = {0, 1, 2, 3};
constexpr std::wstring_view time_labels[] = {L"H:MM pm", L"HH:MM pm", L"H:MM:SS pm", L"HH:MM:SS pm",
                                             L"H:MM",    L"HH:MM",    L"H:MM:SS",    L"HH:MM:SS"};
constexpr int32_t time_codes[] = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::wstring_view number_labels[] = {L"1,000.00", L"1.000,00", L"1'000.00", L"1 000,00",
                                               L"1,000/00", L"1 000-00", L"1 000.00"};
constexpr int32_t number_codes[] = {0, 1, 2, 3, 4, 5, 6};
constexpr std::wstring_view date_labels[] = {L"MM-DD-YY",   L"DD-MM-YY",  L"MM-DD-YYYY",
                                             L"DD-MM-YYYY", L"YY-MM-DD",  L"YY-DD-MM",
                                             L"YYYY-MM-DD", L"YYYY-DD-MM"};
constexpr int32_t date_codes[] = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::wstring_view doctype_labels[] = {L"HTML 4.01 Transitional", L"HTML 4.01 Strict",
                                                L"XHTML 1.0 Transitional", L"XHTML 1.0 Strict",
                                                L"HTML 5"};
constexpr int32_t doctype_codes[] = {doctype_html_401_transitional, doctype_html_strict,
                                     doctype_xhtml_transitional, doctype_xhtml_strict,
                                     doctype_html_5};
constexpr std::wstring_view charset_labels[] = {L"ANSI", L"UTF-8", L"UTF-16LE"};
constexpr int32_t charset_codes[] = {charset_ansi, charset_utf8, charset_utf16le};
constexpr int32_t title_codes[] = {title_folder, title_qualified, title_relative, title_default,
                                   title_none};

// In the order of choice_list; the page titles' labels come from the texts.
constexpr list_shape shapes[] = {
    {size_labels, size_codes}, {time_labels, time_codes},       {number_labels, number_codes},
    {date_labels, date_codes}, {doctype_labels, doctype_codes}, {charset_labels, charset_codes},
    {{}, title_codes},
};
static_assert(std::size(shapes) == static_cast<size_t>(choice_list::page_title) + 1);

list_shape shape_of(choice_list list) {
  const auto at = static_cast<size_t>(list);
  return at < std::size(shapes) ? shapes[at] : list_shape{};
}

}  // namespace

std::vector<std::wstring> choice_labels(choice_list list, const interface_text_table& texts) {
  if (list == choice_list::page_title) {
    const auto titles = texts.title_choices();
    return {titles.begin(), titles.end()};
  }
  const list_shape shape = shape_of(list);
  return {shape.labels.begin(), shape.labels.end()};
}

int choice_index(choice_list list, int32_t code) {
  const list_shape shape = shape_of(list);
  const auto found = std::find(shape.codes.begin(), shape.codes.end(), code);
  if (found != shape.codes.end()) return static_cast<int>(found - shape.codes.begin());
  // Stored values outside the list: sizes above the list show "GB", times
  // outside it the last entry, an unknown title "None"; everything else falls
  // back to the first entry.
  switch (list) {
    case choice_list::size_units:
      return code > 2 ? 3 : 0;
    case choice_list::time_format:
      return 7;
    case choice_list::page_title:
      return 4;
    default:
      return 0;
  }
}

int32_t choice_code(choice_list list, int index) {
  const list_shape shape = shape_of(list);
  if (index < 0 || index >= static_cast<int>(shape.codes.size())) return shape.codes[0];
  return shape.codes[static_cast<size_t>(index)];
}

}  // namespace tabulon
