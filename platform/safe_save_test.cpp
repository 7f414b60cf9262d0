#include "platform/safe_save.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/native_path.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;

// A writer that puts `text` into the temporary file it is given.
auto writing(std::string text) {
  return [text](const std::wstring& temporary) {
    std::ofstream(to_fs_path(temporary), std::ios::binary) << text;
    return status();
  };
}

size_t files_in(const fs::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
  return n;
}

TEST(SafeSave, ReplacesTheWholeFileAndLeavesNoTemporary) {
  testing::temp_dir dir;
  const fs::path target = dir.write("a.init", "old contents that are longer");
  EXPECT_TRUE(save_through_temporary(from_fs_path(target), writing("new")).ok());
  EXPECT_EQ(testing::read_bytes(target), "new");
  EXPECT_EQ(files_in(dir.path()), 1u);

  // A file that did not exist is created.
  const fs::path fresh = dir.path() / "fresh.init";
  EXPECT_TRUE(save_through_temporary(from_fs_path(fresh), writing("made")).ok());
  EXPECT_EQ(testing::read_bytes(fresh), "made");
}

TEST(SafeSave, AFailedWriteKeepsTheOldFileAndReportsTheWritersStatus) {
  testing::temp_dir dir;
  const fs::path target = dir.write("a.init", "keep me");
  const status failed =
      save_through_temporary(from_fs_path(target), [](const std::wstring& temporary) {
        std::ofstream(to_fs_path(temporary)) << "half";
        return status::error(L"write", temporary, L"", L"No space left on device");
      });
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.action(), L"write");
  EXPECT_EQ(failed.reason(), L"No space left on device");
  EXPECT_EQ(testing::read_bytes(target), "keep me");
  EXPECT_EQ(files_in(dir.path()), 1u);  // the half-written temporary is gone
}

TEST(SafeSave, ALinkStaysALinkAndTheFileKeepsItsPermissions) {
  if constexpr (native_path_style().has_drives) GTEST_SKIP() << "links need privileges on Windows";
  testing::temp_dir dir;
  const fs::path real = dir.write("real.init", "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  const fs::path link = dir.path() / "link.init";
  fs::create_symlink(real, link);
  EXPECT_TRUE(save_through_temporary(from_fs_path(link), writing("new")).ok());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(testing::read_bytes(real), "new");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST(SafeSave, ARenameThatFailsIsReportedWithTheReason) {
  testing::temp_dir dir;
  // A non-empty folder cannot be replaced by a file.
  const fs::path target = dir.mkdir("taken");
  dir.write("taken/inside", "x");
  const status failed = save_through_temporary(from_fs_path(target), writing("new"));
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.action(), L"rename");
  EXPECT_FALSE(failed.reason().empty());
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(files_in(dir.path()), 1u);
}

}  // namespace
}  // namespace tabulon
