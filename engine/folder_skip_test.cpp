#include "engine/folder_skip.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(FolderIsSkipped, BranchWildcardAndExactItems) {
  build_settings settings;
  EXPECT_FALSE(folder_is_skipped(settings, L"/data"));

  settings.skip_folders = L"/data/old/*";
  EXPECT_TRUE(folder_is_skipped(settings, L"/data/old"));
  EXPECT_TRUE(folder_is_skipped(settings, L"/DATA/OLD"));  // the folder itself: any case
  EXPECT_TRUE(folder_is_skipped(settings, L"/data/old/x/y"));
  EXPECT_TRUE(folder_is_skipped(settings, L"/data/older"));   // plain prefix
  EXPECT_FALSE(folder_is_skipped(settings, L"/DATA/OLD/x"));  // the prefix keeps its case
  EXPECT_FALSE(folder_is_skipped(settings, L"/data"));

  settings.skip_folders = L"*/temp";
  EXPECT_TRUE(folder_is_skipped(settings, L"/a/temp"));
  EXPECT_TRUE(folder_is_skipped(settings, L"/a/b/TEMP"));
  EXPECT_FALSE(folder_is_skipped(settings, L"/a/temp/b"));
  EXPECT_FALSE(folder_is_skipped(settings, L"/a/temporary"));

  settings.skip_folders = L";/x;;/y/*;";
  EXPECT_TRUE(folder_is_skipped(settings, L"/X"));
  EXPECT_TRUE(folder_is_skipped(settings, L"/y/z"));
  EXPECT_FALSE(folder_is_skipped(settings, L"/x/z"));
  EXPECT_FALSE(folder_is_skipped(settings, L""));
}

}  // namespace
}  // namespace tabulon
