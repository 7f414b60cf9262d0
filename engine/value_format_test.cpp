// Sizes, digit grouping, dates, times and the summary paragraph.
#include <gtest/gtest.h>

#include "engine/date_format.h"
#include "engine/size_format.h"
#include "engine/summary_format.h"
#include "platform/file_time.h"

namespace tabulon {
namespace {

build_settings with_size_type(int32_t type) {
  build_settings s;
  s.file_size_display_type = type;
  s.k_word = L"K";
  s.megabytes_word = L"MB";
  s.gigabytes_word = L"GB";
  return s;
}

TEST(SizeFormat, AllUnits) {
  EXPECT_EQ(format_size(with_size_type(0), 0), L"0");
  EXPECT_EQ(format_size(with_size_type(0), 1234567), L"1234567");
  EXPECT_EQ(format_size(with_size_type(1), 1023), L"0");
  EXPECT_EQ(format_size(with_size_type(1), 1024), L"1");
  EXPECT_EQ(format_size(with_size_type(2), 1048576), L"1.000");
  EXPECT_EQ(format_size(with_size_type(2), 1572864), L"1.500");
  EXPECT_EQ(format_size(with_size_type(3), 3221225472LL), L"3.000");
  EXPECT_EQ(format_size(with_size_type(3), 536870912), L"0.500");
  EXPECT_EQ(format_size(with_size_type(9), 12), L"12.000");
  // The largest sizes still come out as numbers.
  EXPECT_EQ(format_size(with_size_type(0), INT64_MAX), L"9223372036854775807");
}

TEST(SizeFormat, SizeCells) {
  EXPECT_EQ(format_size_cell(with_size_type(1), 2048), L"2&nbsp;K");
  EXPECT_EQ(format_size_cell(with_size_type(0), 1234567), L"1,234,567");
  EXPECT_EQ(format_size_cell(with_size_type(1), 1234567 * 1024LL), L"1,234,567&nbsp;K");
  EXPECT_EQ(format_size_cell(with_size_type(2), 1294467072), L"1,234.500&nbsp;MB");
  EXPECT_EQ(format_size_cell(with_size_type(3), 1073741824), L"1.000&nbsp;GB");
}

// The appending form of the size cell matches the text form in every unit,
// number format and grouping setting, including the edges of each group.
TEST(SizeFormat, AppendedCellsMatchTheTextForm) {
  const int64_t sizes[] = {0,       1,       999,          1000,      1023, 1024,  999999,
                           1000000, 1048575, 123456789012, INT64_MAX, -1,   -1024, -5000000};
  for (const int32_t type : {0, 1, 2, 3, 9}) {
    for (const int32_t number_format : {0, 1, 2, 4, 5, 6}) {
      for (const int32_t commas : {0, 1}) {
        build_settings s = with_size_type(type);
        s.number_format = number_format;
        s.insert_commas = commas;
        for (const int64_t bytes : sizes) {
          std::wstring out = L"<td>";
          append_size_cell(out, s, bytes);
          EXPECT_EQ(out, L"<td>" + format_size_cell(s, bytes))
              << "type " << type << " format " << number_format << " commas " << commas << " bytes "
              << bytes;
        }
      }
    }
  }
}

TEST(GroupDigits, EveryNumberFormat) {
  const wchar_t* expected[] = {L"1,234,567.891", L"1.234.567,891", L"1'234'567.891",
                               L"1,234,567.891", L"1 234 567/891", L"1 234 567-891",
                               L"1 234 567.891"};
  build_settings s;
  for (int f = 0; f < 7; ++f) {
    s.number_format = f;
    EXPECT_EQ(group_digits(s, L"1234567.891", true), expected[f]) << f;
  }
  s.number_format = 0;
  EXPECT_EQ(group_digits(s, L"123", false), L"123");
  EXPECT_EQ(group_digits(s, L"1234", false), L"1,234");
  EXPECT_EQ(group_digits(s, L"123456", false), L"123,456");
  EXPECT_EQ(group_digits(s, L"123.456", true), L"123.456");
  s.number_format = 1;
  EXPECT_EQ(group_digits(s, L"1234.500", true), L"1.234,500");
  s.insert_commas = 0;
  for (int f = 0; f < 7; ++f) {
    s.number_format = f;
    EXPECT_EQ(group_digits(s, L"1234.500", true), L"1234.500");
  }
}

TEST(DateFormat, EveryStyleAndDelimiter) {
  const wchar_t* slash[] = {L"10/09/12", L"09/10/12", L"10/09/2012", L"09/10/2012",
                            L"12/10/09", L"12/09/10", L"2012/10/09", L"2012/09/10"};
  const wchar_t* none[] = {L"100912", L"091012", L"10092012", L"09102012",
                           L"121009", L"120910", L"20121009", L"20120910"};
  for (int style = 0; style < 8; ++style) {
    EXPECT_EQ(format_date(2012, 10, 9, style, L"/"), slash[style]);
    std::wstring dashed = slash[style];
    for (auto& c : dashed) c = c == L'/' ? L'-' : c;
    EXPECT_EQ(format_date(2012, 10, 9, style, L"-"), dashed);
    EXPECT_EQ(format_date(2012, 10, 9, style, L""), none[style]);
  }
  EXPECT_EQ(format_date(2012, 10, 9, 42, L"/"), L"2012/09/10");  // above 7 acts as 7
  EXPECT_EQ(format_date(2005, 1, 2, 0, L"/"), L"01/02/05");
  EXPECT_EQ(format_date(2005, 1, 2, 2, L"/"), L"01/02/2005");
  EXPECT_EQ(format_date(2012, 10, 9, 6, L" :: "), L"2012 :: 10 :: 09");
  EXPECT_EQ(format_date(0, 0, 0, 0, L"/"), L"00/00/00");
}

TEST(TimeFormat, EveryStyleAtThreeTimes) {
  struct row {
    const wchar_t* early;  // 0:05:07
    const wchar_t* noon;   // 12:00:00
    const wchar_t* late;   // 23:59:00
  };
  const row rows[] = {
      {L"12:05&nbsp;am", L"12:00&nbsp;pm", L"11:59&nbsp;pm"},
      {L"12:05&nbsp;am", L"12:00&nbsp;pm", L"11:59&nbsp;pm"},
      {L"12:05:07&nbsp;am", L"12:00:00&nbsp;pm", L"11:59:00&nbsp;pm"},
      {L"12:05:07&nbsp;am", L"12:00:00&nbsp;pm", L"11:59:00&nbsp;pm"},
      {L"12:05", L"12:00", L"23:59"},
      {L"12:05", L"12:00", L"23:59"},
      {L"12:05:07", L"12:00:00", L"23:59:00"},
      {L"12:05:07", L"12:00:00", L"23:59:00"},
  };
  for (int style = 0; style < 8; ++style) {
    EXPECT_EQ(format_time(0, 5, 7, style), rows[style].early) << style;
    EXPECT_EQ(format_time(12, 0, 0, style), rows[style].noon) << style;
    EXPECT_EQ(format_time(23, 59, 0, style), rows[style].late) << style;
  }
  EXPECT_EQ(format_time(13, 7, 9, 1), L"01:07&nbsp;pm");
  EXPECT_EQ(format_time(9, 7, 9, 5), L"09:07");
  EXPECT_EQ(format_time(0, 30, 0, 4), L"12:30");
  EXPECT_EQ(format_time(13, 7, 9, 8), L"");
}

TEST(DateFormat, DateAndTimeCells) {
  build_settings s;
  s.date_dropdown = 6;
  s.euro_separator = L"-";
  s.time_dropdown = 0;
  s.script[sec::date_before_text] = L"[";
  s.script[sec::date_after_text] = L"]";
  s.script[sec::time_before_text] = L"<i>";
  s.script[sec::time_after_text] = L"</i>";
  local_fields when;
  when.year = 2012, when.month = 10, when.day = 9, when.hour = 13, when.minute = 7;
  EXPECT_EQ(format_date_time_cells(s, when, false, L"class=t"), L"[2012-10-09]");
  EXPECT_EQ(format_date_time_cells(s, when, true, L"class=t"),
            L"[2012-10-09]</td><td align=\"right\" class=t><i>1:07&nbsp;pm</i>&nbsp;");
  EXPECT_EQ(format_date_time_cells(s, when, true, L""),
            L"[2012-10-09]</td><td align=\"right\"><i>1:07&nbsp;pm</i>&nbsp;");
}

// Cached date cells equal freshly formatted ones for both row styles, with
// and without the time, and a change of the date style between tables is
// never answered from texts made under the old one.
TEST(DateFormat, CellCacheFollowsTheSettings) {
  build_settings s;
  s.script[sec::date_before_text] = L"<b>";
  s.time_dropdown = 1;
  const int64_t times[] = {file_time_from_unix(1689436800), file_time_from_unix(1689436800) + 5,
                           file_time_from_unix(1689436801), file_time_from_unix(1689436800 + 1024),
                           file_time_from_unix(-86400),     0};
  date_cell_cache cache;
  for (const int32_t date_style : {6, 1, 6}) {
    for (const bool with_time : {true, false}) {
      s.date_dropdown = date_style;
      cache.start(s, with_time, {L"class=\"t1\"", L""});
      for (int round = 0; round < 2; ++round) {
        for (const int64_t t : times) {
          for (const int style : {0, 1}) {
            std::wstring out = L"x";
            cache.append(out, s, t, style);
            EXPECT_EQ(out, L"x" + format_date_time_cells(s, t, with_time,
                                                         style == 0 ? L"class=\"t1\"" : L""))
                << "date style " << date_style << " time " << t << " row style " << style;
          }
        }
      }
    }
  }
}

TEST(DateFormat, RangeText) {
  date_range range;
  range.text = L"1/1/2010 - 12/31/2010";
  range.valid = true;
  local_fields start;
  start.year = 2010, start.month = 1, start.day = 1;
  local_fields end = start;
  end.month = 12, end.day = 31;
  range.start.time = seconds_from_local(start);
  range.end.time = seconds_from_local(end);
  ASSERT_TRUE(range.start.time && range.end.time);
  format_range_text(range, 2, L"/");
  EXPECT_EQ(range.display_text, L"01/01/2010 - 12/31/2010");
  // Without a time at both ends, or invalid, the text is left as it was.
  range.display_text = L"kept";
  range.valid = false;
  format_range_text(range, 2, L"/");
  EXPECT_EQ(range.display_text, L"kept");
  range.valid = true;
  range.end.time.reset();
  format_range_text(range, 2, L"/");
  EXPECT_EQ(range.display_text, L"kept");
}

TEST(SummaryFormat, FoldersOnlyAndWithFiles) {
  build_settings s = with_size_type(1);
  s.summary_folders_word = L"Folders:";
  s.summary_files_word = L"Files: ";
  s.summary_size_word = L"Size: ";
  EXPECT_EQ(format_summary(s, 1234, 0, 0), L"\n<p>\nFolders: 1,234<br>\n</p>");
  s.doctype = doctype_html_5;
  s.script[sec::summary_style] = L"class=sum";
  EXPECT_EQ(format_summary(s, 2, 3, 4096),
            L"\n<p class=sum>\nFolders: 2<br />\nFiles: 3<br />\nSize: 4 K</p>");
  EXPECT_EQ(format_summary(s, 0, 1, 1536), L"\n<p class=sum>\nFiles: 1<br />\nSize: 1 K</p>");
  s.file_size_display_type = 2;
  EXPECT_EQ(format_summary(s, 0, 1, 1572864 * 1000LL),
            L"\n<p class=sum>\nFiles: 1<br />\nSize: 1,500.000 MB</p>");
  s.file_size_display_type = 0;
  EXPECT_EQ(format_summary(s, 0, 1, 1234), L"\n<p class=sum>\nFiles: 1<br />\nSize: 1,234 </p>");
  EXPECT_EQ(format_summary(s, 0, 0, 0), L"\n<p class=sum>\n</p>");
}

TEST(SummaryFormat, FolderGroupTotals) {
  build_settings s = with_size_type(0);
  entry_list list;
  const auto a = make_entry_folder(L"/a/");
  const auto b = make_entry_folder(L"/b/");
  for (const auto& [folder, size] : {std::pair{a, 1000}, {a, 234}, {b, 5}, {a, 7}}) {
    auto entry = make_file_entry(L"f", folder);
    entry->size = size;
    list.push_back(std::move(entry));
  }
  std::wstring count = L"untouched";
  EXPECT_EQ(folder_group_totals(s, list, 0, count), L"");  // totals not needed
  EXPECT_EQ(count, L"untouched");
  s.anchor_totals_needed = 1;
  EXPECT_EQ(folder_group_totals(s, list, 0, count), L"1,234");
  EXPECT_EQ(count, L"2");
  EXPECT_EQ(folder_group_totals(s, list, 3, count), L"7");
  EXPECT_EQ(count, L"1");
  EXPECT_EQ(folder_group_totals(s, list, 4, count), L"");
}

TEST(MonthWords, TwelveMonthsThenUnits) {
  const build_settings s;
  ASSERT_EQ(s.month_words.size(), 16u);
  EXPECT_EQ(s.month_words[0], L"January");
  EXPECT_EQ(s.month_words[11], L"December");
  EXPECT_EQ(s.month_words[12], L"K");
  EXPECT_EQ(s.month_words[15], L"GB");
}

}  // namespace
}  // namespace tabulon
