#include "engine/wildcard.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

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

// The textbook recursive matcher, exponential but plainly right.
bool reference_match(std::wstring_view p, std::wstring_view t) {
  if (p.empty()) return t.empty();
  if (p[0] == L'*')
    return reference_match(p.substr(1), t) || (!t.empty() && reference_match(p, t.substr(1)));
  return !t.empty() && (p[0] == L'?' || p[0] == t[0]) && reference_match(p.substr(1), t.substr(1));
}

TEST(WildcardMatch, AgreesWithAPlainMatcherOnEveryShortPattern) {
  // Every pattern and text of up to 5 characters over a small alphabet,
  // which covers the "*text*" shortcut and the general walk alike.
  const std::wstring pattern_chars = L"AB.*?";
  const std::wstring text_chars = L"AB.";
  auto all = [](const std::wstring& chars, size_t max_length) {
    std::vector<std::wstring> out{L""};
    for (size_t at = 0; at < out.size(); ++at) {
      if (out[at].size() == max_length) continue;
      for (const wchar_t c : chars) out.push_back(out[at] + c);
    }
    return out;
  };
  const std::vector<std::wstring> texts = all(text_chars, 5);
  for (const std::wstring& pattern : all(pattern_chars, 5)) {
    for (const std::wstring& text : texts)
      ASSERT_EQ(wildcard_match(pattern, text), reference_match(pattern, text))
          << "pattern " << testing::PrintToString(pattern) << " text "
          << testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace tabulon
