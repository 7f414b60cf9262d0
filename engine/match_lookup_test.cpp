#include "engine/match_lookup.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(MatchLookup, FirstMatchingPatternOfTheFirstMatchingRuleWins) {
  const std::vector<match_rule> rules = {
      {L"*.TXT|*.DOC", L"text"},
      {L"*.DOC", L"never"},
      {L"A?C", L"abc"},
  };
  EXPECT_EQ(match_code_lookup(rules, L"X.DOC"), L"text");
  EXPECT_EQ(match_code_lookup(rules, L"ABC"), L"abc");
  EXPECT_EQ(match_code_lookup(rules, L"abc"), L"");  // case matters
  EXPECT_EQ(match_code_lookup({}, L"ABC"), L"");
}

TEST(MatchLookup, NoCodeAndFallbackRules) {
  const std::vector<match_rule> rules = {
      {L"*.JPG", L"NO_CODE-TABULON"},
      {L"*.GIF", L"gif"},
      {L"NO_MATCH-TABULON", L"other"},
      {L"*.PNG", L"unreached"},
  };
  EXPECT_EQ(match_code_lookup(rules, L"A.GIF"), L"gif");
  // The search ends at the "no code" rule, before the fallback is reached.
  EXPECT_EQ(match_code_lookup(rules, L"A.JPG"), L"");
  EXPECT_EQ(match_code_lookup(rules, L"A.PNG"), L"other");
  // A fallback rule that itself says "no code" gives nothing, not its marker.
  EXPECT_EQ(match_code_lookup({{L"NO_MATCH-TABULON", L"NO_CODE-TABULON"}}, L"A"), L"");
  // Rules after the fallback rule are never consulted.
  EXPECT_EQ(match_code_lookup({{L"NO_MATCH-TABULON", L"x"}, {L"*", L"y"}}, L"A.GIF"), L"x");
  // An empty alternative matches only the empty text.
  EXPECT_EQ(match_code_lookup({{L"X|", L"e"}}, L""), L"e");
}

}  // namespace
}  // namespace tabulon
