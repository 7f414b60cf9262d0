#include "engine/column_arrange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabulon {
namespace {

using names_t = std::vector<std::wstring>;

// Entries "1".."n", in folder `folder` (one shared record per call).
void add_entries(entry_list& list, int first, int last, const std::wstring& folder = L"/") {
  auto record = make_entry_folder(folder);
  for (int i = first; i <= last; ++i) list.push_back(make_file_entry(std::to_wstring(i), record));
}

names_t names(const entry_list& list) {
  names_t result;
  for (const auto& entry : list.items) result.emplace_back(entry->name);
  return result;
}

TEST(ArrangeInColumns, OrderRunsDownTheColumns) {
  entry_list list;
  add_entries(list, 1, 7);
  ASSERT_TRUE(arrange_in_columns(list, 3));
  // Rows (1 4 6) (2 5 7) (3).
  EXPECT_EQ(names(list), (names_t{L"1", L"4", L"6", L"2", L"5", L"7", L"3"}));

  entry_list even;
  add_entries(even, 1, 6);
  arrange_in_columns(even, 2);
  EXPECT_EQ(names(even), (names_t{L"1", L"4", L"2", L"5", L"3", L"6"}));
}

TEST(ArrangeInColumns, SmallListsStayAsTheyAre) {
  for (int columns : {1, 3, 4, 9}) {
    entry_list list;
    add_entries(list, 1, 3);
    arrange_in_columns(list, columns);
    EXPECT_EQ(names(list), (names_t{L"1", L"2", L"3"})) << columns;
  }
}

TEST(ArrangeInColumns, BeyondTwentyColumnsNoEntryIsLost) {
  entry_list list;
  add_entries(list, 1, 50);
  arrange_in_columns(list, 30);  // 2 rows; only 20 columns are filled
  names_t result = names(list);
  ASSERT_EQ(result.size(), 50u);
  // Column 0 holds 1 and 2, column 1 holds 3 and 4, ...; row 0 first.
  EXPECT_EQ(result[0], L"1");
  EXPECT_EQ(result[1], L"3");
  EXPECT_EQ(result[19], L"39");
  EXPECT_EQ(result[20], L"2");
  EXPECT_EQ(result[39], L"40");
  EXPECT_EQ(result[40], L"41");  // the entries without a cell follow in order
  EXPECT_EQ(result[49], L"50");
}

TEST(ArrangeInColumns, CancelledArrangementRestoresTheOrder) {
  entry_list list;
  add_entries(list, 1, 500);
  const names_t before = names(list);
  build_progress progress;
  progress.notify = 1;
  progress.callback = [](build_progress& p) { p.cancelled = true; };
  EXPECT_FALSE(arrange_in_columns(list, 4, &progress));
  EXPECT_EQ(names(list), before);
}

TEST(ArrangeFileTable, GroupedRunsAreArrangedSeparately) {
  entry_list list;
  add_entries(list, 1, 5, L"/a/");
  add_entries(list, 6, 7, L"/b/");
  build_progress progress;
  const file_table_arrangement result = arrange_file_table(list, 3, true, &progress);
  EXPECT_EQ(result.columns, 3);
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(progress.step, 2);
  EXPECT_EQ(names(list), (names_t{L"1", L"3", L"5", L"2", L"4", L"6", L"7"}));
}

TEST(ArrangeFileTable, ColumnsShrinkToTheLongestRun) {
  entry_list list;
  add_entries(list, 1, 2, L"/a/");
  add_entries(list, 3, 4, L"/b/");
  EXPECT_EQ(arrange_file_table(list, 4, true).columns, 2);
  EXPECT_EQ(names(list), (names_t{L"1", L"2", L"3", L"4"}));

  entry_list singles;
  add_entries(singles, 1, 1, L"/a/");
  add_entries(singles, 2, 2, L"/b/");
  EXPECT_EQ(arrange_file_table(singles, 4, true).columns, 1);

  entry_list flat;
  add_entries(flat, 1, 2, L"/a/");
  add_entries(flat, 3, 5, L"/b/");
  EXPECT_EQ(arrange_file_table(flat, 2, false).columns, 2);
  EXPECT_EQ(names(flat), (names_t{L"1", L"4", L"2", L"5", L"3"}));
}

}  // namespace
}  // namespace tabulon
