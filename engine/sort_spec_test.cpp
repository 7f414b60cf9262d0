#include "engine/sort_spec.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(SortSpec, LetterGivesTypeAndSecondCharacterTheDirection) {
  const struct {
    const wchar_t* text;
    int32_t kind;
    int32_t descending;
  } cases[] = {
      {L"N+", 0, 0}, {L"S-", 1, 1}, {L"E+", 2, 0}, {L"D-", 3, 1}, {L"R+", 4, 0},
      {L"A-", 5, 1}, {L"U+", 6, 0}, {L"S=", 6, 0}, {L"D?", 3, 0}, {L"X-", 0, 1},
      {L"s-", 0, 1}, {L"S", 1, 0},  {L"", 0, 0},   {L"=", 0, 0},  {L"N-extra", 0, 1},
  };
  for (const auto& c : cases) {
    const sort_spec spec = parse_sort_type(c.text);
    EXPECT_EQ(spec.kind, c.kind) << c.text;
    EXPECT_EQ(spec.descending, c.descending) << c.text;
  }
}

TEST(SortSpec, FormatReadsBack) {
  for (int32_t kind = 0; kind < 7; ++kind) {
    for (bool descending : {false, true}) {
      const sort_spec spec = parse_sort_type(format_sort_type(kind, descending));
      EXPECT_EQ(spec.kind, kind);
      EXPECT_EQ(spec.descending, descending ? 1 : 0);
    }
  }
  EXPECT_EQ(format_sort_type(42, false), L"N+");
}

}  // namespace
}  // namespace tabulon
