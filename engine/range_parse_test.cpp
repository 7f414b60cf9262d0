#include "engine/range_parse.h"

#include <gtest/gtest.h>

#include "platform/local_time.h"

namespace tabulon {
namespace {

size_range sizes(std::wstring_view text) {
  size_range r;
  parse_size_range(text, r);
  return r;
}

TEST(SizeRange, BoundsWithUnits) {
  size_range r = sizes(L"10k - 20K");
  EXPECT_FALSE(r.accept_all);
  EXPECT_EQ(r.min, 10240);
  EXPECT_EQ(r.max, 20480);

  r = sizes(L"1M - *");
  EXPECT_FALSE(r.accept_all);
  EXPECT_EQ(r.min, 1048576);
  EXPECT_EQ(r.max, -99);

  r = sizes(L"1.5g - 2G");
  EXPECT_EQ(r.min, 1610612736);
  EXPECT_EQ(r.max, 2147483648);

  r = sizes(L"100 - 200");
  EXPECT_EQ(r.min, 100);
  EXPECT_EQ(r.max, 200);
  EXPECT_FALSE(r.accept_all);
}

TEST(SizeRange, SinglePrecisionIsKeptWhereItShows) {
  // 16777217 is not a float: the lower bound loses the last unit, and so
  // does the upper bound, which is read as a float before it is multiplied.
  size_range r = sizes(L"16777217 - 16777219");
  EXPECT_EQ(r.min, 16777216);
  EXPECT_EQ(r.max, 16777220);
  // The lower product is rounded to single precision again, the upper is not.
  r = sizes(L"3.3K - 3.3K");
  EXPECT_EQ(r.min, static_cast<int64_t>(3.3f * 1024.0f));
  EXPECT_EQ(r.max, static_cast<int64_t>(static_cast<double>(3.3f) * 1024));
}

TEST(SizeRange, UnusableTextsLetEverythingThrough) {
  for (const wchar_t* text : {L"", L" - ", L"20K - 10K", L"0 - 0", L"1M - ", L"5M", L" 5 - 6",
                              L"1 - 2 - 3", L"abc - def", L"1-2"}) {
    EXPECT_TRUE(sizes(text).accept_all) << text;
  }
  // Unreadable numbers read as 0, so only the upper bound matters here.
  size_range r = sizes(L"abc - 5K");
  EXPECT_FALSE(r.accept_all);
  EXPECT_EQ(r.min, 0);
  EXPECT_EQ(r.max, 5120);
  // Huge or strange numbers saturate instead of overflowing.
  EXPECT_EQ(sizes(L"1 - 1e300G").max, INT64_MAX);
  EXPECT_EQ(sizes(L"nan - 5").min, 0);
}

int64_t midnight(int year, int month, int day) {
  local_fields f;
  f.year = year;
  f.month = month;
  f.day = day;
  return *seconds_from_local(f);
}

TEST(DateRange, AbsoluteDatesAreLocalMidnights) {
  date_range r;
  parse_date_range(L"1/1/2010 - 12/31/2010", r, 1'700'000'000);
  EXPECT_TRUE(r.valid);
  EXPECT_EQ(r.text, L"1/1/2010 - 12/31/2010");
  EXPECT_EQ(r.start.month, 1);
  EXPECT_EQ(r.end.day, 31);
  EXPECT_EQ(*r.start.time, midnight(2010, 1, 1));
  EXPECT_EQ(*r.end.time, midnight(2010, 12, 31));

  // Reversed: the times change places and the whole last day is kept.
  parse_date_range(L"12/31/2010 - 1/1/2010", r, 1'700'000'000);
  EXPECT_TRUE(r.valid);
  EXPECT_EQ(*r.start.time, midnight(2010, 1, 1));
  EXPECT_EQ(*r.end.time, midnight(2010, 12, 31) + 86399);
}

TEST(DateRange, DayCountsStarsAndShortYears) {
  const int64_t now = 1'700'000'000;  // November 2023
  date_range r;
  parse_date_range(L"365 - *", r, now);
  EXPECT_TRUE(r.valid);
  EXPECT_EQ(r.start.days, 365);
  EXPECT_EQ(*r.start.time, now - 365 * 86400);
  EXPECT_TRUE(r.end.star);
  EXPECT_EQ(*r.end.time, now);

  parse_date_range(L"3/4/09 - *", r, now);
  EXPECT_EQ(r.start.year, 2009) << "a two-digit year gets the current century";
  EXPECT_EQ(*r.start.time, midnight(2009, 3, 4));

  // The dash is found with or without the usual blanks around it.
  parse_date_range(L"1/1/2010-*", r, now);
  EXPECT_TRUE(r.valid);
  EXPECT_EQ(*r.start.time, midnight(2010, 1, 1));
  parse_date_range(L"  30  -  10 ", r, now);
  EXPECT_EQ(*r.start.time, now - 30 * 86400);
  EXPECT_EQ(*r.end.time, now - 10 * 86400);
}

TEST(DateRange, UnreadableTextsSwitchTheFilterOff) {
  date_range r;
  r.separator = L".";
  r.display_text = L"kept";
  parse_date_range(L"abc - *", r, 1'700'000'000);
  EXPECT_TRUE(r.start.invalid) << "an invalid endpoint lets every file through";
  EXPECT_TRUE(r.valid) << "the star end is usable";
  EXPECT_EQ(r.separator, L".");
  EXPECT_EQ(r.display_text, L"kept");

  parse_date_range(L"1/2 - 5x", r, 1'700'000'000);
  EXPECT_TRUE(r.start.invalid);
  EXPECT_TRUE(r.end.invalid);
  EXPECT_FALSE(r.valid);

  parse_date_range(L"1/1/2010", r, 1'700'000'000);
  EXPECT_FALSE(r.valid);
  EXPECT_FALSE(r.start.invalid) << "a new text forgets the old endpoints";
  EXPECT_FALSE(r.start.time);

  for (const wchar_t* text :
       {L"-", L"--", L"99999999999 - *", L"1/1/99999999 - 13/45/-7", L"/-/"}) {
    parse_date_range(text, r, 1'700'000'000);  // must not crash or overflow
  }
}

}  // namespace
}  // namespace tabulon
