#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>

#include "base/wide_string.h"
#include "platform/file_replace.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;

using testing::wide;

// The names in `folder`, hidden ones included (a temporary file left behind
// would show up here).
std::vector<std::string> names_in(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct stat stat_of(const fs::path& p) {
  struct stat st {};
  ::stat(p.c_str(), &st);
  return st;
}

// The file's time moved an hour back, so that a rewrite would show.
void age(const fs::path& p) {
  fs::last_write_time(p, fs::last_write_time(p) - std::chrono::hours(1));
}

TEST(ReplaceFile, EqualBytesLeaveTheFileUntouched) {
  testing::temp_dir dir;
  const fs::path page = dir.write("index.html", "<p>one</p><p>two</p>");
  age(page);
  const auto before = fs::last_write_time(page);
  const ino_t inode = stat_of(page).st_ino;
  // The same bytes, split differently from any block size.
  const std::array<std::string, 3> chunks{"<p>one", "</p><p>two</p>", ""};
  const replace_result r = replace_file(wide(page), chunks);
  EXPECT_TRUE(r.result.ok());
  EXPECT_TRUE(r.unchanged);
  EXPECT_EQ(fs::last_write_time(page), before);
  EXPECT_EQ(stat_of(page).st_ino, inode);

  // A page larger than one compared block, equal throughout.
  const std::string big(150000, 'q');
  const fs::path large = dir.write("large.html", big);
  age(large);
  const auto large_before = fs::last_write_time(large);
  const std::array<std::string, 2> halves{big.substr(0, 70000), big.substr(70000)};
  EXPECT_TRUE(replace_file(wide(large), halves).unchanged);
  EXPECT_EQ(fs::last_write_time(large), large_before);
}

TEST(ReplaceFile, ManySmallPiecesAllReachTheFile) {
  // More pieces than one gathered write takes, some empty.
  testing::temp_dir dir;
  std::vector<std::string> pieces;
  std::string whole;
  for (int i = 0; i < 5000; ++i) {
    pieces.push_back(i % 7 == 0 ? std::string() : std::to_string(i) + ",");
    whole += pieces.back();
  }
  const fs::path page = dir.path() / "index.html";
  ASSERT_TRUE(replace_file(wide(page), pieces).result.ok());
  EXPECT_EQ(testing::read_bytes(page), whole);
  EXPECT_TRUE(replace_file(wide(page), pieces).unchanged);
  EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"index.html"});
}

TEST(ReplaceFile, ADifferenceAnywhereReplacesTheFileWhole) {
  testing::temp_dir dir;
  const fs::path page = dir.path() / "index.html";
  // Same length with the last byte different, longer, shorter, and a large
  // file that differs only past the first block compared.
  const std::string big(200000, 'x');
  std::string big_changed = big;
  big_changed[150000] = 'y';
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"abcdef", "abcdeX"}, {"abc", "abcd"}, {"abcd", "abc"}, {big, big_changed}, {"", "z"}};
  for (const auto& [old_text, new_text] : cases) {
    dir.write("index.html", old_text);
    age(page);
    const auto before = fs::last_write_time(page);
    const std::array<std::string, 2> chunks{new_text.substr(0, new_text.size() / 2),
                                            new_text.substr(new_text.size() / 2)};
    const replace_result r = replace_file(wide(page), chunks);
    EXPECT_TRUE(r.result.ok()) << to_native(r.result.message());
    EXPECT_FALSE(r.unchanged);
    EXPECT_EQ(testing::read_bytes(page), new_text);
    EXPECT_NE(fs::last_write_time(page), before);
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"index.html"});
  }
}

TEST(ReplaceFile, KeepsPermissionBitsAndGivesNewFilesTheUsualOnes) {
  testing::temp_dir dir;
  const fs::path kept = dir.write("kept.html", "old");
  ::chmod(kept.c_str(), 0640);
  const std::array<std::string, 1> text{"new"};
  ASSERT_TRUE(replace_file(wide(kept), text).result.ok());
  EXPECT_EQ(stat_of(kept).st_mode & 07777, 0640u);

  const mode_t mask = ::umask(022);
  const fs::path fresh = dir.path() / "fresh.html";
  const replace_result r = replace_file(wide(fresh), text);
  ::umask(mask);
  ASSERT_TRUE(r.result.ok());
  EXPECT_FALSE(r.unchanged);
  EXPECT_EQ(testing::read_bytes(fresh), "new");
  // A temporary file starts private; the page must not stay that way.
  EXPECT_EQ(stat_of(fresh).st_mode & 0444, 0444u & ~mask);
}

TEST(ReplaceFile, ALinkKeepsPointingAtTheReplacedFile) {
  testing::temp_dir dir;
  const fs::path real = dir.write("real/index.html", "old");
  dir.mkdir("site");
  const fs::path link = dir.path() / "site" / "index.html";
  fs::create_symlink(real, link);
  const std::array<std::string, 1> text{"new"};
  ASSERT_TRUE(replace_file(wide(link), text).result.ok());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(testing::read_bytes(real), "new");
  EXPECT_EQ(names_in(dir.path() / "real"), std::vector<std::string>{"index.html"});
}

// Through the open folder that holds the file, every case above behaves the
// same: a new file, equal bytes, different bytes, a link, and a folder in
// the way; no temporary file is left.
TEST(ReplaceFile, ThroughTheOpenFolderHoldingItTheSameRulesHold) {
  testing::temp_dir dir;
  const fs::path site = dir.mkdir("site");
  const fs::path real = dir.write("real/target.html", "old");
  fs::create_symlink(real, site / "linked.html");
  dir.mkdir("site/taken.html");
  const fs::path same = dir.write("site/same.html", "same");
  age(same);
  const auto same_time = fs::last_write_time(same);
  open_folder folder;
  ASSERT_TRUE(folder.open(wide(site)));
  const std::array<std::string, 1> text{"new"};
  const std::array<std::string, 1> equal{"same"};

  EXPECT_TRUE(replace_file(wide(site / "fresh.html"), text, &folder).result.ok());
  EXPECT_EQ(testing::read_bytes(site / "fresh.html"), "new");
  const replace_result unchanged = replace_file(wide(same), equal, &folder);
  EXPECT_TRUE(unchanged.unchanged);
  EXPECT_EQ(fs::last_write_time(same), same_time);
  EXPECT_FALSE(replace_file(wide(same), text, &folder).unchanged);
  EXPECT_EQ(testing::read_bytes(same), "new");
  EXPECT_TRUE(replace_file(wide(site / "linked.html"), text, &folder).result.ok());
  EXPECT_TRUE(fs::is_symlink(site / "linked.html"));
  EXPECT_EQ(testing::read_bytes(real), "new");
  const replace_result in_the_way = replace_file(wide(site / "taken.html"), text, &folder);
  EXPECT_EQ(in_the_way.result.reason(), L"Is a directory");
  EXPECT_EQ(in_the_way.result.path(), wide(site / "taken.html"));
  EXPECT_EQ(names_in(site),
            (std::vector<std::string>{"fresh.html", "linked.html", "same.html", "taken.html"}));
}

TEST(ReplaceFile, AReadOnlyFolderIsReportedAndTheOldFileStaysWhole) {
  testing::temp_dir dir;
  const fs::path folder = dir.mkdir("locked");
  const fs::path page = dir.write("locked/index.html", "old page");
  const fs::path same = dir.write("locked/same.html", "same");
  ASSERT_TRUE(testing::give_to_unprivileged_user(dir.path()));
  ::chmod(folder.c_str(), 0555);
  const auto passed = testing::run_unprivileged([&] {
    const std::array<std::string, 1> text{"new page"};
    const replace_result r = replace_file(wide(page), text);
    const std::array<std::string, 1> equal{"same"};
    const replace_result unchanged = replace_file(wide(same), equal);
    return !r.result.ok() && r.result.path() == wide(page) &&
           r.result.reason() == L"Permission denied" && unchanged.result.ok() &&
           unchanged.unchanged;
  });
  ::chmod(folder.c_str(), 0755);
  if (!passed) GTEST_SKIP() << "cannot give up root's rights here";
  EXPECT_TRUE(*passed);
  EXPECT_EQ(testing::read_bytes(page), "old page");
  EXPECT_EQ(names_in(folder), (std::vector<std::string>{"index.html", "same.html"}));
}

TEST(ReplaceFile, AFolderInTheWayIsReported) {
  testing::temp_dir dir;
  const fs::path taken = dir.mkdir("taken");
  const std::array<std::string, 1> text{"x"};
  const replace_result r = replace_file(wide(taken), text);
  EXPECT_FALSE(r.result.ok());
  EXPECT_EQ(r.result.reason(), L"Is a directory");
  EXPECT_TRUE(fs::is_directory(taken));
}

}  // namespace
}  // namespace tabulon
