#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dir_enum.h"

namespace tabulon {
namespace {

std::vector<std::wstring> names(const dir_listing& listing) {
  std::vector<std::wstring> result;
  for (const dir_item& item : listing) result.emplace_back(item.name);
  return result;
}

TEST(DirListing, SortsByCodeValueAndKeepsNamesWhenMovedOrGrownAgain) {
  dir_listing listing;
  dir_item file;
  file.size = 7;
  std::wstring name = L"b";
  listing.add(name, file);
  name = L"changed";  // the listing holds its own copy
  listing.add(L"B", {});
  listing.add(L"ab", {});
  listing.add(L"a", {});
  listing.add(L"\u00e9", {});
  listing.sort_by_name();
  EXPECT_EQ(names(listing), (std::vector<std::wstring>{L"B", L"a", L"ab", L"b", L"\u00e9"}));
  EXPECT_EQ(listing[3].size, 7);

  // Adding after a sort moves the buffer; the earlier names survive it.
  for (int i = 0; i < 1000; ++i) listing.add(L"z" + std::to_wstring(i), {});
  listing.sort_by_name();
  ASSERT_EQ(listing.size(), 1005u);
  EXPECT_EQ(listing[0].name, L"B");
  EXPECT_EQ(listing[4].name, L"z0");
  EXPECT_EQ(listing[1004].name, L"\u00e9");

  dir_listing moved = std::move(listing);
  EXPECT_EQ(moved[1].name, L"a");
  moved.clear();
  EXPECT_TRUE(moved.empty());
}

}  // namespace
}  // namespace tabulon
