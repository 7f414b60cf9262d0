#pragma once
// The fixed drop-down lists of the option pages and how their entries map to
// the codes stored in the settings. A list shows its entries in its own
// order; the stored code of an entry is not always its position (the
// document types and page titles are listed in another order than their
// codes), and a stored value outside the list still selects one entry.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/interface_text.h"

namespace tabulon {

enum class choice_list {
  size_units,     // file_size_display_type
  time_format,    // time_dropdown
  number_format,  // number_format
  date_format,    // date_dropdown
  doctype,        // doctype
  charset,        // charset
  page_title,     // multi_recurse_title
};

// The entries shown, in list order. The page titles come from the text
// table (a language file replaces the first four).
std::vector<std::wstring> choice_labels(choice_list list, const interface_text_table& texts);

// The position a stored code selects; never out of range.
int choice_index(choice_list list, int32_t code);
// The code stored for the entry at `index` (an index out of range stores the
// code of the first entry).
int32_t choice_code(choice_list list, int index);

}  // namespace tabulon
