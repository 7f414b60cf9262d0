#include "ui/history_list.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

using list = std::vector<std::wstring>;

TEST(history_list, splits_and_joins_without_empty_entries) {
  EXPECT_EQ(split_history(L"a|b||c|"), (list{L"a", L"b", L"c"}));
  EXPECT_TRUE(split_history(L"").empty());
  EXPECT_TRUE(split_history(L"|").empty());
  EXPECT_EQ(join_history({L"x", L"y z"}), L"x|y z");
  EXPECT_EQ(join_history({}), L"");
  EXPECT_EQ(split_history(join_history({L"C:\\a b", L"*.txt;*.doc"})),
            (list{L"C:\\a b", L"*.txt;*.doc"}));
}

TEST(history_list, add_moves_an_existing_entry_to_the_top_without_a_duplicate) {
  list entries{L"one", L"two", L"three", L"four"};
  EXPECT_TRUE(add_to_history(entries, L"three"));
  EXPECT_EQ(entries, (list{L"three", L"one", L"two", L"four"}));
  EXPECT_TRUE(add_to_history(entries, L"new"));
  EXPECT_EQ(entries, (list{L"new", L"three", L"one", L"two", L"four"}));
  // Exact comparison: another letter case is another entry.
  EXPECT_TRUE(add_to_history(entries, L"NEW"));
  EXPECT_EQ(entries.front(), L"NEW");
  EXPECT_EQ(entries.size(), 6u);
  EXPECT_FALSE(add_to_history(entries, L""));
  EXPECT_EQ(entries.size(), 6u);
}

TEST(history_list, a_dropped_folder_keeps_fifteen_entries_with_the_new_one_first) {
  list entries;
  for (int i = 0; i < 15; ++i) entries.push_back(L"/f" + std::to_wstring(i));
  add_dropped_folder(entries, L"/new");
  ASSERT_EQ(entries.size(), 15u);
  EXPECT_EQ(entries.front(), L"/new");
  EXPECT_EQ(entries[1], L"/f0");
  EXPECT_EQ(entries.back(), L"/f13");  // the oldest went from the bottom
  add_dropped_folder(entries, L"");
  EXPECT_EQ(entries.front(), L"/new");
}

}  // namespace
}  // namespace tabulon
