#include "ui/interface_text.h"

#include <gtest/gtest.h>

#include <set>

#include "base/wide_string.h"

namespace tabulon {
namespace {

TEST(InterfaceText, ItemsAreUniqueAndDataItemsHaveNoTooltip) {
  std::set<std::wstring> seen;
  for (const auto& item : interface_text_items()) {
    const std::wstring key = std::wstring(item.group) + L"/" + std::wstring(item.name);
    EXPECT_TRUE(seen.insert(key).second) << wide_to_utf8(key);
    if (item.kind == text_kind::data) {
      EXPECT_TRUE(item.english_help.empty());
    }
    EXPECT_FALSE(item.group.empty());
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(ui_text::count));
}

TEST(InterfaceText, StartsEnglishAndRestoresEverything) {
  interface_text_table table;
  EXPECT_EQ(table.text(ui_text::main_window_build_button), L"&Build (F3)");
  EXPECT_EQ(table.text(ui_text::feedback_links_processed), L"Links processed: ");
  EXPECT_EQ(table.help(ui_text::folders_files_folder),
            L"Selects a folder to build the html file(s) from");
  EXPECT_EQ(item_of(ui_text::files_built_title).group, L"misc_dialogs/files_built");

  const auto months = table.month_names();
  EXPECT_EQ(months[0], L"January");
  EXPECT_EQ(months[11], L"December");
  const auto titles = table.title_choices();
  EXPECT_EQ(titles[0], L"Folder name");
  EXPECT_EQ(titles[3], L"Default title");
  EXPECT_EQ(titles[4], L"None");

  table[ui_text::month_march].text = L"M\u00e4rz";
  table[ui_text::sorting_size] = {L"x", L"y"};
  EXPECT_EQ(table.month_names()[2], L"M\u00e4rz");
  table.restore_english();
  EXPECT_EQ(table.month_names()[2], L"March");
  EXPECT_EQ(table.text(ui_text::sorting_size), L"&Size");
  EXPECT_EQ(table.help(ui_text::sorting_size), L"Sorts by file size");
}

}  // namespace
}  // namespace tabulon
