// One call tells whether a file read before may have changed.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "base/wide_string.h"
#include "platform/file_stamp.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;

TEST(FileStamp, ChangesWithTheSizeOrTheTimeAndIsEmptyForFoldersAndMissingFiles) {
  testing::temp_dir dir;
  const fs::path file = dir.write("script.txt", "abc");
  const std::wstring path = from_native(file.string());
  const std::optional<file_stamp> first = stamp_of(path);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->size, 3u);
  EXPECT_EQ(stamp_of(path), first);

  // Same size, another time.
  dir.write("script.txt", "xyz");
  fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(2));
  const std::optional<file_stamp> touched = stamp_of(path);
  ASSERT_TRUE(touched.has_value());
  EXPECT_EQ(touched->size, 3u);
  EXPECT_NE(touched->modified, first->modified);

  dir.write("script.txt", "abcd");
  EXPECT_EQ(stamp_of(path)->size, 4u);

  EXPECT_FALSE(stamp_of(from_native(dir.path().string())).has_value());
  EXPECT_FALSE(stamp_of(from_native((dir.path() / "none.txt").string())).has_value());
}

}  // namespace
}  // namespace tabulon
