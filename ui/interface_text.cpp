#include "ui/interface_text.h"

namespace tabulon {
namespace {

constexpr interface_text_item items[] = {
#define TABULON_INTERFACE_TEXT(id, group, name, kind, english_text, english_help) \
  {ui_text::id, group, name, text_kind::kind, english_text, english_help},
#include "ui/interface_text.def"
#undef TABULON_INTERFACE_TEXT
};

// The window addresses items by identifier, so the table must list them in
// exactly the enumeration's order.
constexpr bool table_in_enum_order() {
  for (size_t i = 0; i < std::size(items); ++i) {
    if (static_cast<size_t>(items[i].id) != i) return false;
  }
  return std::size(items) == static_cast<size_t>(ui_text::count);
}
static_assert(table_in_enum_order());
static_assert(static_cast<int>(ui_text::month_december) -
                  static_cast<int>(ui_text::month_january) ==
              11);

}  // namespace

std::span<const interface_text_item> interface_text_items() {
  return items;
}

const interface_text_item& item_of(ui_text id) {
  return items[static_cast<size_t>(id)];
}

interface_text_table::interface_text_table() {
  restore_english();
}

void interface_text_table::restore_english() {
  entries.clear();
  entries.reserve(std::size(items));
  for (const auto& item : items) {
    entries.push_back({std::wstring(item.english_text), std::wstring(item.english_help)});
  }
}

std::array<std::wstring, 12> interface_text_table::month_names() const {
  std::array<std::wstring, 12> names;
  for (size_t m = 0; m < names.size(); ++m) {
    names[m] = entries[static_cast<size_t>(ui_text::month_january) + m].text;
  }
  return names;
}

std::array<std::wstring, 5> interface_text_table::title_choices() const {
  return {text(ui_text::recursive_title_folder_name),
          text(ui_text::recursive_title_fully_qualified),
          text(ui_text::recursive_title_relative_path), text(ui_text::recursive_title_default),
          std::wstring(fixed_text::title_none)};
}

}  // namespace tabulon
