#include "platform/tm_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>

namespace tabulon {
namespace {

// Year, month, day, hour, minute, second and weekday, to compare at once.
std::array<int32_t, 7> all_of(const local_fields& f) {
  return {f.year, f.month, f.day, f.hour, f.minute, f.second, f.weekday};
}

TEST(TmFields, BothWaysMatchTheCLibraryCounting) {
  std::tm tm{};
  tm.tm_year = 124;  // 2024
  tm.tm_mon = 1;     // February
  tm.tm_mday = 29;
  tm.tm_hour = 23;
  tm.tm_min = 59;
  tm.tm_sec = 58;
  tm.tm_wday = 4;
  const local_fields f = fields_of_tm(tm);
  EXPECT_EQ(all_of(f), (std::array<int32_t, 7>{2024, 2, 29, 23, 59, 58, 4}));

  const std::optional<std::tm> back = tm_of_fields(f);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->tm_year, 124);
  EXPECT_EQ(back->tm_mon, 1);
  EXPECT_EQ(back->tm_mday, 29);
  EXPECT_EQ(back->tm_sec, 58);
  EXPECT_EQ(back->tm_isdst, -1);  // daylight saving is the system's to decide
}

TEST(TmFields, AYearBelowTheRangeOfTmYearIsRefused) {
  local_fields f;
  f.year = INT_MIN;
  EXPECT_FALSE(tm_of_fields(f));
  f.year = INT_MIN + 1900;
  ASSERT_TRUE(tm_of_fields(f));
  EXPECT_EQ(tm_of_fields(f)->tm_year, INT_MIN);
}

}  // namespace
}  // namespace tabulon
