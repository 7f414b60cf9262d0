#include "engine/wildcard.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulon {
namespace {

TEST(WildcardMatch, StarsAndQuestionMarks) {
  EXPECT_TRUE(wildcard_match(L"*.TXT", L"A.TXT"));
  EXPECT_TRUE(wildcard_match(L"A?C", L"ABC"));
  EXPECT_FALSE(wildcard_match(L"A?C", L"AC"));
  EXPECT_TRUE(wildcard_match(L"*THUMBS*", L"MYTHUMBS.DB"));
  EXPECT_TRUE(wildcard_match(L"*.*", L"A.B.C"));
  EXPECT_FALSE(wildcard_match(L"*.*", L"NODOT"));
  EXPECT_TRUE(wildcard_match(L"A*B*C", L"AXXBYYBC"));
  EXPECT_FALSE(wildcard_match(L"A*B*C", L"AXXBYYBD"));
  EXPECT_TRUE(wildcard_match(L"*AB", L"AAB"));  // needs the resume point
  EXPECT_TRUE(wildcard_match(L"**X**", L"X"));
}

TEST(WildcardMatch, EmptyTextsAndExactness) {
  EXPECT_FALSE(wildcard_match(L"A*", L""));
  EXPECT_TRUE(wildcard_match(L"", L""));
  EXPECT_TRUE(wildcard_match(L"*", L""));
  EXPECT_FALSE(wildcard_match(L"", L"A"));
  EXPECT_FALSE(wildcard_match(L"ABC", L"ABCD"));  // pattern ends before the text
  EXPECT_FALSE(wildcard_match(L"ABCD", L"ABC"));
  EXPECT_FALSE(wildcard_match(L"abc", L"ABC"));  // case matters
  EXPECT_FALSE(wildcard_match(L"*a", L"ab"));
}

TEST(WildcardMatch, ManyStarsStayFast) {
  std::wstring text(5000, L'a');
  EXPECT_FALSE(wildcard_match(L"*a*a*a*a*a*a*a*a*a*a*b", text));
  EXPECT_TRUE(wildcard_match(L"*a*a*a*a*a*a*a*a*a*a*", text));
}

}  // namespace
}  // namespace tabulon
