#include "app/command_tail.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabulon {
namespace {

TEST(CommandTail, QuotesAreRemovedOnlyInPairs) {
  // A pair of quotes around the tail goes, whatever it holds; no length limit.
  const std::wstring long_path(5000, L'x');
  for (const std::wstring& path : std::vector<std::wstring>{
           L"C:\\configs\\site.init", L"/srv/my site.init", L"", L"a\"b", long_path})
    EXPECT_EQ(config_path_from_tail(L"\"" + path + L"\""), path);
  // A quote at one end only stays. Blanks are neither trimmed nor split: a
  // tail of blanks is a path of blanks.
  for (const wchar_t* tail : {L"\"site.init", L"site.init\"", L"  ", L" a b "})
    EXPECT_EQ(config_path_from_tail(tail), tail);
  // A lone quote is an empty path.
  EXPECT_EQ(config_path_from_tail(L"\""), L"");
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
