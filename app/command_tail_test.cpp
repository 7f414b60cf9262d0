#include "app/command_tail.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(CommandTail, QuotesAreRemovedOnlyInPairs) {
  EXPECT_EQ(config_path_from_tail(L"\"C:\\configs\\site.init\""), L"C:\\configs\\site.init");
  EXPECT_EQ(config_path_from_tail(L"\"/srv/my site.init\""), L"/srv/my site.init");
  EXPECT_EQ(config_path_from_tail(L"\"site.init"), L"\"site.init");
  EXPECT_EQ(config_path_from_tail(L"site.init\""), L"site.init\"");
  EXPECT_EQ(config_path_from_tail(L"\""), L"");
  EXPECT_EQ(config_path_from_tail(L"\"\""), L"");
  EXPECT_EQ(config_path_from_tail(L"\"a\"b\""), L"a\"b");
  // Blanks are neither trimmed nor split: a tail of blanks is a path of blanks.
  EXPECT_EQ(config_path_from_tail(L"  "), L"  ");
  EXPECT_EQ(config_path_from_tail(L" a b "), L" a b ");
  const std::wstring long_path(5000, L'x');  // no length limit
  EXPECT_EQ(config_path_from_tail(L"\"" + long_path + L"\""), long_path);
}

TEST(CommandTail, ArgumentsJoinedBySingleBlanks) {
  const char* one[] = {"tabulon", "my  site.init"};
  EXPECT_EQ(command_tail_from_arguments(2, one), L"my  site.init");
  const char* split[] = {"tabulon", "\"my", "site.init\""};
  EXPECT_EQ(command_tail_from_arguments(3, split), L"\"my site.init\"");
  const char* none[] = {"tabulon"};
  EXPECT_EQ(command_tail_from_arguments(1, none), L"");
  // Bytes that are not UTF-8 survive as escapes.
  const char* odd[] = {"tabulon", "caf\xE9.init"};
  EXPECT_EQ(command_tail_from_arguments(2, odd), std::wstring(L"caf") + wchar_t(0xDCE9) + L".init");
}

}  // namespace
}  // namespace tabulon
