#include "platform/native_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

const std::wstring sep(1, kPathSeparator);

TEST(NativePathJoin, OneSeparatorBetweenFolderAndName) {
  EXPECT_EQ(join_path(L"a", L"b.txt"), L"a" + sep + L"b.txt");
  EXPECT_EQ(join_path(L"a" + sep, L"b.txt"), L"a" + sep + L"b.txt");
  // No separator after an empty folder: the name stays relative.
  EXPECT_EQ(join_path(L"", L"b.txt"), L"b.txt");
  // A root already ends in the separator.
  EXPECT_EQ(join_path(sep, L"b"), sep + L"b");
  // The name is taken as it is, separators and all.
  EXPECT_EQ(join_path(L"a", L"x" + sep + L"y"), L"a" + sep + L"x" + sep + L"y");
}

TEST(NativePathRoot, OnlyTheRootItself) {
  if constexpr (native_path_style().has_drives) {
    EXPECT_TRUE(is_filesystem_root(L"C:\\"));
    EXPECT_FALSE(is_filesystem_root(L"C:"));
    EXPECT_FALSE(is_filesystem_root(L"C:\\x"));
  } else {
    EXPECT_TRUE(is_filesystem_root(L"/"));
    EXPECT_FALSE(is_filesystem_root(L"//"));
    EXPECT_FALSE(is_filesystem_root(L"/tmp"));
  }
  EXPECT_FALSE(is_filesystem_root(L""));
}

TEST(NativePathFilesystem, NamesOfAnyCharacterReachTheSameFile) {
  testing::temp_dir dir;
  const std::wstring folder = from_fs_path(dir.path());
  std::vector<std::wstring> names = {L"plain.txt", L"caf\u00e9 \u65e5\u672c.txt",
                                     L"\U0001F600 face.txt"};
  // On POSIX a byte that is not UTF-8 is part of the name as well.
  if constexpr (kFileNamesAreUtf8)
    names.push_back(std::wstring(L"bad") + wchar_t(0xDCFF) + L".txt");
  for (const std::wstring& name : names) {
    const std::wstring full = join_path(folder, name);
    std::ofstream(to_fs_path(full)) << "x";
    EXPECT_TRUE(std::filesystem::exists(to_fs_path(full))) << wide_to_utf8(name);
    EXPECT_EQ(from_fs_path(to_fs_path(full)), full);
  }
  size_t found = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    const std::wstring name = from_fs_path(entry.path().filename());
    found += std::find(names.begin(), names.end(), name) != names.end();
  }
  EXPECT_EQ(found, names.size());
}

}  // namespace
}  // namespace tabulon
