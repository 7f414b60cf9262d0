#ifndef _WIN32
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "base/wide_string.h"
#include "platform/dir_enum.h"
#include "platform/file_time.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

TEST(OpenFolder, ListsEveryEntryOnceInNameOrderWithStatTimes) {
  testing::temp_dir dir;
  dir.write("b.txt", "hello");
  dir.write(".hidden", "");
  dir.mkdir("a_folder");
  open_folder folder;
  ASSERT_TRUE(folder.open(from_native(dir.path().native())));
  const dir_listing items = folder.read_entries();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].name, L".hidden");
  EXPECT_EQ(items[1].name, L"a_folder");
  EXPECT_TRUE(items[1].is_folder);
  EXPECT_EQ(items[1].size, 0);
  EXPECT_EQ(items[2].name, L"b.txt");
  EXPECT_EQ(items[2].size, 5);

  struct stat st;
  ASSERT_EQ(::stat((dir.path() / "b.txt").c_str(), &st), 0);
  EXPECT_EQ(items[2].modified_time, file_time_from_unix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec));
  EXPECT_GT(items[2].modified_time, 116444736000000000LL);  // after 1970 on the 1601 scale

  open_folder child;
  ASSERT_TRUE(child.open_child(folder, L"a_folder", L""));
  EXPECT_NE(child.identity(), folder.identity());
  EXPECT_FALSE(child.open_child(folder, L"b.txt", L""));  // a file is no folder
  EXPECT_FALSE(child.is_open());
  open_folder moved = std::move(folder);
  EXPECT_TRUE(moved.is_open());
  EXPECT_FALSE(folder.is_open());  // NOLINT(bugprone-use-after-move)
}

TEST(OpenFolder, ALargeFolderIsListedWholeAndInOrder) {
  // Enough entries that their examining is shared between threads.
  testing::temp_dir dir;
  constexpr int kFiles = 20000;
  for (int i = 0; i < kFiles; ++i) {
    const std::string name = (dir.path() / ("f" + std::to_string(i))).string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, i % 1000), 0);
    ::close(fd);
  }
  dir.mkdir("f5000x");
  std::filesystem::create_symlink(dir.path() / "nowhere", dir.path() / "f7000x");
  open_folder folder;
  ASSERT_TRUE(folder.open(from_native(dir.path().native())));
  const dir_listing items = folder.read_entries();
  ASSERT_EQ(items.size(), static_cast<size_t>(kFiles) + 1);  // the dangling link left out
  int files = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(items[i - 1].name, items[i].name);
    }
    if (items[i].name == L"f5000x") {
      EXPECT_TRUE(items[i].is_folder);
      continue;
    }
    ++files;
    const int number = std::stoi(std::wstring(items[i].name.substr(1)));
    EXPECT_EQ(items[i].size, number % 1000) << to_native(items[i].name);
    EXPECT_FALSE(items[i].is_folder);
    EXPECT_NE(items[i].modified_time, 0);
  }
  EXPECT_EQ(files, kFiles);
}

TEST(OpenFolder, MissingFolderFailsCleanly) {
  open_folder folder;
  EXPECT_FALSE(folder.open(L"/no/such/folder/anywhere"));
  EXPECT_TRUE(folder.read_entries().empty());
}

// Reading the same open folder again starts from its beginning; names that
// are not ASCII, and bytes that are not UTF-8, come back as the scan expects
// them; a folder with more names than one system read returns is listed whole.
TEST(OpenFolder, RereadsFromTheStartWithEveryKindOfName) {
  testing::temp_dir dir;
  dir.write("caf\xC3\xA9.txt", "");
  dir.write("bad\xFF.txt", "");
  for (int i = 0; i < 1500; ++i) dir.write("bulk_file_with_a_longer_name_" + std::to_string(i), "");
  open_folder folder;
  ASSERT_TRUE(folder.open(from_native(dir.path().native())));
  const dir_listing first = folder.read_entries();
  const dir_listing second = folder.read_entries();
  ASSERT_EQ(first.size(), 1502u);
  ASSERT_EQ(second.size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(second[i].name, first[i].name);
  EXPECT_EQ(first[0].name, from_native("bad\xFF.txt"));
  EXPECT_EQ(to_native(first[0].name), "bad\xFF.txt");
  EXPECT_EQ(first[first.size() - 1].name, L"caf\u00e9.txt");
}

}  // namespace
}  // namespace tabulon
#endif  // _WIN32
