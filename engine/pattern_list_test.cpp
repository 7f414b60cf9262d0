#include "engine/pattern_list.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

using list_t = std::vector<std::wstring>;

TEST(SplitPatternList, SeparatorsAndEmptyItems) {
  EXPECT_EQ(split_pattern_list(L""), list_t{});
  EXPECT_EQ(split_pattern_list(L"*.txt"), list_t{L"*.txt"});
  EXPECT_EQ(split_pattern_list(L"a;b"), (list_t{L"a", L"b"}));
  EXPECT_EQ(split_pattern_list(L"a;"), list_t{L"a"});
  EXPECT_EQ(split_pattern_list(L";a"), (list_t{L"", L"a"}));
  EXPECT_EQ(split_pattern_list(L"a;;b"), (list_t{L"a", L"", L"b"}));
  EXPECT_EQ(split_pattern_list(L";"), list_t{L""});
}

TEST(PatternLists, IncludeAndExcludeItemsAreWrappedUnlessTheyHoldWildcards) {
  EXPECT_EQ(make_include_patterns(L"sunset;*.jpg;a?c;"), (list_t{L"*SUNSET*", L"*.JPG", L"A?C"}));
  EXPECT_EQ(make_include_patterns(L""), list_t{});
  EXPECT_EQ(prepare_exclude_pattern(L"thumbs.db"), L"*THUMBS.DB*");
  EXPECT_EQ(prepare_exclude_pattern(L"*thumbs*"), L"*THUMBS*");

  build_settings settings;
  settings.skip_files = L"thumbs.db;x";
  settings.included_folders = L"*/photos*";
  scan_context context;
  context.settings = &settings;
  rebuild_pattern_lists(context);
  EXPECT_EQ(context.exclude_patterns, (list_t{L"thumbs.db", L"x"}));
  EXPECT_EQ(context.included_folder_patterns, list_t{L"*/photos*"});
  EXPECT_TRUE(context.include_patterns.empty());
}

TEST(FileSpecMatches, AFinalDotStarAlsoFitsNamesWithoutADot) {
  EXPECT_TRUE(file_spec_matches(L"*.*", L"README"));
  EXPECT_TRUE(file_spec_matches(L"*.*", L"A.B"));
  EXPECT_TRUE(file_spec_matches(L"READ*.*", L"README"));
  EXPECT_FALSE(file_spec_matches(L"*.TXT", L"README"));
  EXPECT_FALSE(file_spec_matches(L"A.*", L"AB"));
  EXPECT_FALSE(file_spec_matches(L"", L"A"));
}

}  // namespace
}  // namespace tabulon
