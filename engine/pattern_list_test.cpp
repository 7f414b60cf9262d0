#include "engine/pattern_list.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/wildcard.h"

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
  // Where a file specification item fits a name, next to the plain wildcard
  // match: the two differ only for a final ".*" and a name without a dot.
  struct spec_case {
    const wchar_t* item;
    const wchar_t* name;
    bool as_wildcard;
    bool as_file_spec;
  };
  for (const spec_case& c :
       {spec_case{L"*.*", L"README", false, true}, spec_case{L"*.*", L"A.B", true, true},
        spec_case{L"READ*.*", L"README", false, true}, spec_case{L"*.TXT", L"README", false, false},
        spec_case{L"A.*", L"AB", false, false}, spec_case{L"", L"A", false, false}}) {
    const std::string item = testing::PrintToString(std::wstring(c.item));
    EXPECT_EQ(wildcard_match(c.item, c.name), c.as_wildcard) << item;
    EXPECT_EQ(file_spec_matches(c.item, c.name), c.as_file_spec) << item;
  }
}

}  // namespace
}  // namespace tabulon
