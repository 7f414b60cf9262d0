// The small operating-system services: program folder, current directory,
// file times.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/wide_string.h"
#include "platform/current_dir.h"
#include "platform/file_time.h"
#include "platform/program_folder.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

TEST(PlatformServices, ProgramFolderIsAbsoluteAndEndsInSeparator) {
  const std::wstring folder = program_folder();
  ASSERT_GE(folder.size(), 2u);
  EXPECT_EQ(folder.front(), L'/');
  EXPECT_EQ(folder.back(), L'/');
}

TEST(PlatformServices, CurrentDirectoryRoundTrip) {
  const std::wstring before = current_directory();
  ASSERT_FALSE(before.empty());
  testing::temp_dir dir;
  const auto target = dir.mkdir("\xC3\xA9t\xC3\xA9");
  ASSERT_TRUE(set_current_directory(from_native(target.string())));
  EXPECT_EQ(current_directory(), from_native(std::filesystem::canonical(target).string()));
  EXPECT_FALSE(set_current_directory(from_native((dir.path() / "missing").string())));
  ASSERT_TRUE(set_current_directory(before));
}

TEST(PlatformServices, FileTimeScale) {
  EXPECT_EQ(file_time_from_unix(0), file_time_unix_epoch);
  EXPECT_EQ(file_time_from_unix(1, 500), file_time_unix_epoch + 10000000 + 5);
  EXPECT_EQ(unix_seconds_from_file_time(file_time_from_unix(1700000000, 999999999)), 1700000000);
  EXPECT_EQ(unix_seconds_from_file_time(file_time_unix_epoch - 1), -1);  // before 1970
  EXPECT_EQ(unix_seconds_from_file_time(0), -11644473600LL);
}

TEST(PlatformServices, FileTimeLocalFieldsRoundTrip) {
  // A fixed zone with daylight saving makes the result independent of the machine.
  const char* old_tz = std::getenv("TZ");
  const std::string saved = old_tz ? old_tz : "";
  setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
  tzset();
  const int64_t summer = file_time_from_unix(1689436800, 123456700);  // 2023-07-15 16:00 UTC
  int32_t ms = -1;
  const auto f = local_fields_of_file_time(summer, &ms);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->year, 2023);
  EXPECT_EQ(f->month, 7);
  EXPECT_EQ(f->day, 15);
  EXPECT_EQ(f->hour, 18);  // UTC+2 in summer
  EXPECT_EQ(ms, 123);
  EXPECT_EQ(file_time_of_local_fields(*f), file_time_from_unix(1689436800));
  const auto winter = local_fields_of_file_time(file_time_from_unix(1673798400));  // 2023-01-15
  ASSERT_TRUE(winter);
  EXPECT_EQ(winter->hour, 17);  // UTC+1
  if (old_tz) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

}  // namespace
}  // namespace tabulon
