#include "engine/entry_store.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/file_entry.h"

namespace tabulon {
namespace {

TEST(EntryStore, KeepsTextsAndEntriesInPlaceAcrossManyBlocks) {
  entry_store store;
  std::vector<std::wstring_view> kept;
  std::vector<file_entry*> entries;
  for (int i = 0; i < 20000; ++i) {
    kept.push_back(store.keep(L"name " + std::to_wstring(i)));
    entries.push_back(store.make_entry());
    entries.back()->size = i;
  }
  // A text larger than a block gets one of its own.
  const std::wstring big(100000, L'x');
  const std::wstring_view big_kept = store.keep(big);
  for (int i = 0; i < 20000; ++i) {
    EXPECT_EQ(kept[i], L"name " + std::to_wstring(i));
    EXPECT_EQ(entries[i]->size, i);
    EXPECT_TRUE(entries[i]->in_store);
  }
  EXPECT_EQ(big_kept, big);
  EXPECT_TRUE(store.keep(L"").empty());
}

TEST(EntryList, StoreEntriesCopyTheirTextsAndShareAnEqualKey) {
  entry_list list;
  const entry_folder_ref folder = make_entry_folder(L"/a/");
  std::wstring name = L"report.txt";
  list.push_back(list.make_entry(name, L"REPORT.TXT", folder));
  list.push_back(list.make_entry(L"README", L"README", folder));
  name = L"changed";  // the entry holds its own copy
  EXPECT_EQ(list[0].name, L"report.txt");
  EXPECT_EQ(list[0].name_key, L"REPORT.TXT");
  EXPECT_EQ(list[1].name_key.data(), list[1].name.data());
  EXPECT_EQ(list[0].folder_path(), L"/a/");
}

TEST(EntryList, MovesAndClearsWithoutLosingOrReleasingTooEarly) {
  const entry_folder_ref folder = make_entry_folder(L"/");
  entry_list first;
  first.push_back(first.make_entry(L"a", L"A", folder));
  first.push_back(make_file_entry(L"b", folder));  // made on its own, freed by the list
  first.items.back()->link_title = std::make_unique<std::wstring>(L"title");

  entry_list second(std::move(first));
  ASSERT_EQ(second.size(), 2u);
  EXPECT_EQ(second[0].name, L"a");

  entry_list third;
  third.push_back(third.make_entry(L"old", L"OLD", folder));
  third = std::move(second);  // drops "old" and takes over the store of "a"
  ASSERT_EQ(third.size(), 2u);
  EXPECT_EQ(third[0].name_key, L"A");
  EXPECT_EQ(*third[1].link_title, L"title");

  third.clear();
  EXPECT_TRUE(third.empty());
  third.push_back(third.make_entry(L"again", L"AGAIN", folder));
  EXPECT_EQ(third[0].name, L"again");
}

}  // namespace
}  // namespace tabulon
