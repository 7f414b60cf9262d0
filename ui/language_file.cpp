#include "ui/language_file.h"

#include <algorithm>

#include "base/markup.h"
#include "base/text_file.h"
#include "base/wide_string.h"
#include "platform/path_rules.h"

namespace tabulon {
namespace {

// Moves the cursor to the children of the root element `all`.
bool enter_root(CMarkup& doc) {
  while (doc.leave()) {
  }
  return doc.find_child(L"all") && doc.enter();
}

// Enters each element of the "/"-separated `group` path below `all`.
bool enter_group(CMarkup& doc, std::wstring_view group) {
  if (!enter_root(doc)) return false;
  while (!group.empty()) {
    const size_t slash = group.find(L'/');
    const std::wstring_view name = group.substr(0, slash);
    if (!doc.find_child(name) || !doc.enter()) return false;
    group = slash == std::wstring_view::npos ? std::wstring_view() : group.substr(slash + 1);
  }
  return true;
}

bool is_tabulon_file(CMarkup& doc) {
  if (!enter_root(doc)) return false;
  if (!doc.find_child(L"file_info") || !doc.enter()) return false;
  return doc.find_child(L"app") && doc.text_of_current() == L"tabulon";
}

void read_item(CMarkup& doc, const interface_text_item& item, interface_text& target) {
  if (!doc.find_child(item.name)) return;
  if (item.kind == text_kind::data) {
    target.text = doc.text_of_current();
    return;
  }
  doc.enter();
  if (doc.find_child(L"text")) {
    target.text = doc.text_of_current();
    // A new caption brings its own tooltip, or none.
    target.help = doc.find_child(L"help") ? doc.text_of_current() : std::wstring();
  } else if (doc.find_child(L"help")) {
    target.help = doc.text_of_current();
  }
  doc.leave();
}

}  // namespace

std::optional<message_record> apply_language_text(std::wstring_view xml,
                                                  std::wstring_view shown_path,
                                                  interface_text_table& table) {
  CMarkup doc;
  if (!doc.load_text(xml)) {
    return message_record{
        std::wstring(shown_path) + L"   \n\n" + table.text(ui_text::bad_xml_file_caption),
        table.text(ui_text::bad_xml_file_title)};
  }
  if (!is_tabulon_file(doc)) {
    return message_record{std::wstring(shown_path) + std::wstring(fixed_text::not_a_language_file),
                          std::wstring(fixed_text::xml_file_error)};
  }

  const auto items = interface_text_items();
  for (size_t first = 0; first < items.size();) {
    size_t last = first;
    while (last < items.size() && items[last].group == items[first].group) ++last;
    if (enter_group(doc, items[first].group)) {
      for (size_t i = first; i < last; ++i) read_item(doc, items[i], table[items[i].id]);
    }
    first = last;
  }
  return std::nullopt;
}

std::wstring resolve_language_path(std::wstring_view name, std::wstring_view program_folder) {
  return resolve_in_program_folder(name, program_folder);
}

void copy_month_names(const interface_text_table& table, build_settings& settings) {
  const auto months = table.month_names();
  if (settings.month_words.size() < months.size()) settings.month_words.resize(months.size());
  std::copy(months.begin(), months.end(), settings.month_words.begin());
}

std::optional<message_record> apply_language_file(build_settings& settings,
                                                  interface_text_table& table) {
  if (settings.language_file.empty()) return std::nullopt;
  const std::wstring path = resolve_language_path(settings.language_file, settings.program_folder);
  std::wstring xml;
  // XML's default encoding is UTF-8, and many editors save it without a byte
  // order mark: such a file is read as UTF-8 when its bytes are valid UTF-8.
  if (!read_whole_file_utf8_default(path, xml)) xml.clear();
  auto message = apply_language_text(xml, path, table);
  if (!message) copy_month_names(table, settings);
  return message;
}

std::optional<message_record> load_language_choice(build_settings& settings,
                                                   std::wstring_view chosen_path,
                                                   interface_text_table& table) {
  std::wstring_view stored = chosen_path;
  const std::wstring_view folder = settings.program_folder;
  if (!folder.empty() && starts_with(stored, folder)) stored.remove_prefix(folder.size());
  settings.language_file.assign(stored);
  return apply_language_file(settings, table);
}

void restore_english_defaults(build_settings& settings, interface_text_table& table) {
  table.restore_english();
  copy_month_names(table, settings);
  settings.language_file.clear();
}

}  // namespace tabulon
