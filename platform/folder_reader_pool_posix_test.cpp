#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "base/wide_string.h"
#include "platform/folder_reader_pool.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;

using testing::wide;

// A listing as comparable text: every name with its kind and size.
std::wstring describe(const dir_listing& listing) {
  std::wstring text;
  for (const dir_item& item : listing)
    text += std::wstring(item.name) + (item.is_folder ? L"/" : L"") + L" " +
            std::to_wstring(item.size) + L"\n";
  return text;
}

// Walks `path` depth first as the build does, taking each folder from the
// pool and checking it against a read of its own; `enter` picks subfolders.
void walk(folder_reader_pool& pool, const std::wstring& path,
          const std::function<bool(const std::wstring&)>& enter, size_t& folders) {
  open_folder here;
  ASSERT_TRUE(here.open(path));
  const dir_listing direct = here.read_entries();
  const std::optional<folder_read> read = pool.take(path);
  ASSERT_TRUE(read.has_value()) << to_native(path);
  EXPECT_EQ(read->identity, here.identity());
  // The folder comes open, so the walk need not open it again.
  EXPECT_TRUE(read->folder.is_open());
  EXPECT_EQ(read->folder.identity(), here.identity());
  EXPECT_EQ(describe(read->listing), describe(direct));
  ++folders;
  for (const dir_item& item : direct) {
    const std::wstring child = path + L"/" + std::wstring(item.name);
    if (item.is_folder && item.name[0] != L'.' && enter(child)) walk(pool, child, enter, folders);
  }
}

class FolderReaderPool : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 40; ++i) {
      const std::string folder = "t" + std::to_string(i % 8) + "/s" + std::to_string(i);
      dir.write(folder + "/f" + std::to_string(i) + ".txt", std::string(i, 'x'));
      dir.write(folder + "/deeper/g.txt", "g");
    }
    dir.write(".hidden/x.txt", "x");
    dir.write("top.txt", "t");
    root = wide(dir.path());
  }
  testing::temp_dir dir;
  std::wstring root;
};

TEST_F(FolderReaderPool, HandsOutEveryFolderOfTheWalkAsItIsOnDisk) {
  // Few folders ahead and one worker, so the walk catches up with the pool;
  // then the defaults.
  for (const folder_reader_pool::options& opts :
       {folder_reader_pool::options{1, 2, 4}, folder_reader_pool::options{}}) {
    folder_reader_pool pool(root, nullptr, nullptr, opts);
    size_t folders = 0;
    walk(
        pool, root, [](const std::wstring&) { return true; }, folders);
    EXPECT_EQ(folders, 1u + 8u + 40u + 40u);
    EXPECT_EQ(pool.taken(), folders);
    EXPECT_FALSE(pool.take(root + L"/.hidden").has_value());  // never read
    EXPECT_FALSE(pool.take(root).has_value());                // each folder once
  }
}

TEST_F(FolderReaderPool, FollowsTheEnterRuleAndAWalkThatPassesFoldersBy) {
  // The pool reads only what the rule enters; the walk enters less still
  // (no "deeper" below t1), and a folder the rule leaves out is not handed out.
  auto rule = [](const std::wstring& path, int level) {
    return level <= 3 && !ends_with(path, L"/t5");
  };
  open_folder top;
  ASSERT_TRUE(top.open(root));
  const dir_listing top_listing = top.read_entries();
  folder_reader_pool pool(root, &top_listing, rule, {2, 3, 100});
  size_t folders = 0;
  for (const dir_item& item : top_listing) {
    if (!item.is_folder || item.name[0] == L'.' || item.name == L"t5") continue;
    walk(
        pool, root + L"/" + std::wstring(item.name),
        [](const std::wstring& path) {
          return path.find(L"/t1/") == std::wstring::npos || !ends_with(path, L"/deeper");
        },
        folders);
  }
  EXPECT_EQ(folders, 7u + 35u + 30u);
  EXPECT_FALSE(pool.take(root + L"/t5").has_value());
  EXPECT_FALSE(pool.take(root + L"/nowhere").has_value());
}

TEST_F(FolderReaderPool, AFolderThatChangedIsNotHandedOutAsItWas) {
  folder_reader_pool pool(root, nullptr, nullptr, {2, 64, 1000});
  ASSERT_TRUE(pool.take(root).has_value());
  // Give the workers time to read what lies ahead, then change a folder.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const std::wstring t0 = root + L"/t0";
  open_folder folder;
  ASSERT_TRUE(folder.open(t0));
  dir.write("t0/new.html", "a page written meanwhile");
  pool.folder_changed(folder.identity());
  const std::optional<folder_read> read = pool.take(t0);
  if (read) {
    EXPECT_NE(describe(read->listing).find(L"new.html"), std::wstring::npos);
  }
  // The folders after it are handed out as before.
  EXPECT_TRUE(pool.take(t0 + L"/s0").has_value());
}

TEST_F(FolderReaderPool, AFolderThatCannotBeOpenedIsLeftToTheWalk) {
  const std::wstring gone = root + L"/t3";
  folder_reader_pool pool(root, nullptr, nullptr, {1, 1, 1});
  ASSERT_TRUE(pool.take(root).has_value());
  fs::remove_all(dir.path() / "t3");
  fs::remove_all(dir.path() / "t1");
  fs::remove_all(dir.path() / "t2");
  // t0 may have been read before the others went; they cannot be read now.
  pool.take(root + L"/t0");
  for (const wchar_t* name : {L"/t1", L"/t2", L"/t3"})
    EXPECT_FALSE(pool.take(root + name).has_value()) << to_native(name);
  EXPECT_TRUE(pool.take(root + L"/t4").has_value());
}

TEST_F(FolderReaderPool, TellsWhichSubfoldersOpenedOnceItHasTried) {
  // The top as listed before t6 went: the pool tries to read t6 and fails.
  open_folder top;
  ASSERT_TRUE(top.open(root));
  const dir_listing top_listing = top.read_entries();
  fs::remove_all(dir.path() / "t6");
  folder_reader_pool pool(root, &top_listing, nullptr, {2, 1000, 100000});
  // A worker has tried every subfolder of the top after a while.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  for (int i = 0; i < 8; ++i) {
    const std::wstring sub = root + L"/t" + std::to_wstring(i);
    const std::optional<bool> opened = pool.could_open(sub);
    if (i == 6) {
      EXPECT_EQ(opened, std::optional<bool>(false));
    } else if (opened) {
      EXPECT_TRUE(*opened) << to_native(sub);
    }
  }
  // Folders it was never asked to read stay unknown.
  EXPECT_FALSE(pool.could_open(root + L"/.hidden").has_value());
  EXPECT_FALSE(pool.could_open(root + L"/top.txt").has_value());
}

TEST_F(FolderReaderPool, ProbedSubfoldersAreKnownAsSoonAsTheirFolderIsTaken) {
  folder_reader_pool::options opts;
  opts.probe_subfolders = true;
  folder_reader_pool pool(root, nullptr, nullptr, opts);
  ASSERT_TRUE(pool.take(root).has_value());
  // The top's reader tried each subfolder it enters before handing the top out.
  for (int i = 0; i < 8; ++i) {
    const std::wstring sub = root + L"/t" + std::to_wstring(i);
    EXPECT_EQ(pool.could_open(sub), std::optional<bool>(true)) << to_native(sub);
  }
  EXPECT_FALSE(pool.could_open(root + L"/.hidden").has_value());
}

TEST(FolderReaderPoolSwitch, TheEnvironmentTurnsItOff) {
  ::setenv("TABULON_READ_AHEAD", "0", 1);
  EXPECT_FALSE(folder_reader_pool::enabled_by_environment());
  ::setenv("TABULON_READ_AHEAD", "1", 1);
  EXPECT_TRUE(folder_reader_pool::enabled_by_environment());
  ::unsetenv("TABULON_READ_AHEAD");
  EXPECT_TRUE(folder_reader_pool::enabled_by_environment());
}

}  // namespace
}  // namespace tabulon
