#include "ui/choice_lists.h"

#include <gtest/gtest.h>

#include "base/build_settings.h"

namespace tabulon {
namespace {

constexpr choice_list all_lists[] = {choice_list::size_units,    choice_list::time_format,
                                     choice_list::number_format, choice_list::date_format,
                                     choice_list::doctype,       choice_list::charset,
                                     choice_list::page_title};

TEST(choice_lists, every_entry_round_trips_through_its_code) {
  const interface_text_table texts;
  for (choice_list list : all_lists) {
    const auto labels = choice_labels(list, texts);
    ASSERT_FALSE(labels.empty());
    for (int i = 0; i < static_cast<int>(labels.size()); ++i)
      EXPECT_EQ(choice_index(list, choice_code(list, i)), i)
          << "list " << static_cast<int>(list) << " entry " << i;
  }
}

TEST(choice_lists, document_types_are_listed_in_another_order_than_their_codes) {
  const auto labels = choice_labels(choice_list::doctype, interface_text_table{});
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_EQ(choice_index(choice_list::doctype, doctype_html_strict), 1);
  EXPECT_EQ(labels[1], L"HTML 4.01 Strict");
  EXPECT_EQ(choice_code(choice_list::doctype, 2), doctype_xhtml_transitional);
  EXPECT_EQ(labels[2], L"XHTML 1.0 Transitional");
  EXPECT_EQ(choice_code(choice_list::doctype, 4), doctype_html_5);
  EXPECT_EQ(choice_index(choice_list::doctype, 9), 0);
}

TEST(choice_lists, page_titles_follow_the_text_table_and_keep_none_last) {
  interface_text_table texts;
  texts[ui_text::recursive_title_folder_name].text = L"Ordnername";
  const auto labels = choice_labels(choice_list::page_title, texts);
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_EQ(labels[0], L"Ordnername");
  EXPECT_EQ(labels[4], L"None");
  EXPECT_EQ(choice_code(choice_list::page_title, 0), title_folder);
  EXPECT_EQ(choice_code(choice_list::page_title, 1), title_qualified);
  EXPECT_EQ(choice_code(choice_list::page_title, 2), title_relative);
  EXPECT_EQ(choice_code(choice_list::page_title, 3), title_default);
  EXPECT_EQ(choice_index(choice_list::page_title, 17), 4);
}

TEST(choice_lists, stored_values_outside_a_list_select_the_described_entry) {
  EXPECT_EQ(choice_index(choice_list::size_units, 7), 3);  // any value above 2 shows GB
  EXPECT_EQ(choice_index(choice_list::size_units, -1), 0);
  EXPECT_EQ(choice_index(choice_list::time_format, 7), 7);
  EXPECT_EQ(choice_index(choice_list::time_format, 12), 7);
  EXPECT_EQ(choice_index(choice_list::time_format, -3), 7);
  EXPECT_EQ(choice_index(choice_list::charset, 5), 0);  // ANSI
  EXPECT_EQ(choice_index(choice_list::number_format, 40), 0);
  EXPECT_EQ(choice_code(choice_list::charset, 9), charset_ansi);
  EXPECT_EQ(choice_code(choice_list::date_format, -1), 0);
}

}  // namespace
}  // namespace tabulon
