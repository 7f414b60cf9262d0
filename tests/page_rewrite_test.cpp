// End to end: a rebuild leaves pages whose bytes are the same untouched, and
// rewrites exactly the pages whose listing changed; a page that cannot be
// replaced is reported and the page that was there stays whole.
#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "base/wide_string.h"
#include "engine/html_generator.h"
#include "tests/support/build_fixture.h"
#include "tests/support/unprivileged.h"

namespace tabulon::testing {
namespace {

namespace fs = std::filesystem;

const std::string kPerFolder =
    "recursive_build=TRUE\nrecursive_build_single_file=TRUE\ninclude_filesize=TRUE\n"
    "include_subfolders=TRUE\nskip_files=index.html\n";
const std::string kAllInOne =
    "recursive_build=TRUE\nrecursive_build_single_file=FALSE\ninclude_filesize=TRUE\n"
    "skip_files=index.html\n";

// Every page of the tree with its modification time.
std::map<fs::path, fs::file_time_type> page_times(const fs::path& tree) {
  std::map<fs::path, fs::file_time_type> times;
  for (const auto& e : fs::recursive_directory_iterator(tree))
    if (e.path().filename() == "index.html") times[e.path()] = fs::last_write_time(e.path());
  return times;
}

// Moves every page's time an hour back, so that any rewrite shows.
void age_pages(const fs::path& tree) {
  for (const auto& [page, time] : page_times(tree))
    fs::last_write_time(page, time - std::chrono::hours(1));
}

// The pages whose time differs between two snapshots (relative to `tree`).
std::vector<std::string> rewritten(const fs::path& tree,
                                   const std::map<fs::path, fs::file_time_type>& before) {
  std::vector<std::string> changed;
  for (const auto& [page, time] : page_times(tree)) {
    const auto old = before.find(page);
    if (old == before.end() || old->second != time)
      changed.push_back(fs::relative(page, tree).generic_string());
  }
  return changed;
}

class PageRewrite : public ::testing::Test {
 protected:
  void SetUp() override {
    f.file("top.txt", "1");
    f.file("a/a1.txt", "22");
    f.file("a/deep/d1.txt", "333");
    f.file("b/b1.txt", "4444");
  }
  build_fixture f;
};

TEST_F(PageRewrite, ARebuildOfAnUnchangedTreeTouchesNoPage) {
  for (const std::string& mode : {kPerFolder, kAllInOne}) {
    ASSERT_EQ(f.build(mode).exit_status, 0);
    age_pages(f.root());
    const auto before = page_times(f.root());
    const std::string root_page = f.page();
    const auto again = f.build(mode);
    EXPECT_EQ(again.exit_status, 0) << again.err;
    EXPECT_EQ(again.err, "");
    EXPECT_EQ(rewritten(f.root(), before), std::vector<std::string>{});
    EXPECT_EQ(f.page(), root_page);
    for (const auto& [page, time] : before) fs::remove(page);
  }
}

TEST_F(PageRewrite, AChangedFileRewritesExactlyThePagesThatListIt) {
  ASSERT_EQ(f.build(kPerFolder).exit_status, 0);
  age_pages(f.root());
  auto before = page_times(f.root());
  f.file("a/deep/d1.txt", std::string(5000, 'x'));  // sizes are shown in KB
  ASSERT_EQ(f.build(kPerFolder).exit_status, 0);
  EXPECT_EQ(rewritten(f.root(), before), std::vector<std::string>{"a/deep/index.html"});
  EXPECT_NE(f.page("a/deep/index.html").find("d1.txt"), std::string::npos);

  // A new folder changes the folder table of its parent's page, and gets a page.
  age_pages(f.root());
  before = page_times(f.root());
  f.file("b/new/n.txt");
  ASSERT_EQ(f.build(kPerFolder).exit_status, 0);
  EXPECT_EQ(rewritten(f.root(), before),
            (std::vector<std::string>{"b/index.html", "b/new/index.html"}));
}

TEST_F(PageRewrite, UnchangedPagesStillCountAsWritten) {
  build_settings s;
  s.path = from_native(f.root().string());
  s.recursive_build = 1;
  s.recursive_build_single_file = 1;
  s.reload_script = 0;
  s.skip_files = L"index.html";
  std::vector<std::wstring> first, second;
  {
    html_generator generator(s);
    generator.build_from_root(nullptr);
    first = generator.written_files;
  }
  age_pages(f.root());
  const auto before = page_times(f.root());
  html_generator generator(s);
  EXPECT_EQ(generator.build_from_root(nullptr), 4);
  EXPECT_EQ(generator.written_files, first);
  EXPECT_TRUE(generator.failed_pages.empty());
  EXPECT_EQ(rewritten(f.root(), before), std::vector<std::string>{});
}

TEST_F(PageRewrite, APageInAReadOnlyFolderIsReportedAndTheOldPageStaysWhole) {
  ASSERT_EQ(f.build(kPerFolder).exit_status, 0);
  const std::string old_page = f.page("a/deep/index.html");
  ASSERT_FALSE(old_page.empty());
  f.file("a/deep/d1.txt", std::string(5000, 'x'));  // so the page differs
  f.file("b/b1.txt", std::string(5000, 'y'));

  // Root writes into any folder, so the build runs as an unprivileged user,
  // from a copy of the program that user can reach.
  const fs::path exe = f.dir().path() / "bin" / "tabulon";
  fs::create_directories(exe.parent_path());
  fs::copy_file(tabulon_exe(), exe);
  fs::permissions(f.root() / "a" / "deep", fs::perms::owner_read | fs::perms::owner_exec |
                                               fs::perms::group_read | fs::perms::group_exec |
                                               fs::perms::others_read | fs::perms::others_exec);
  const fs::path config =
      f.dir().write("locked.init", "[TABULON]\npath=" + f.root().string() +
                                       "\ncustom_html_filename=" + f.script(kPlainScript) +
                                       "\ncharset=UTF_8\n" + kPerFolder);
  ASSERT_TRUE(give_to_unprivileged_user(f.dir().path()));
  const fs::path report = f.dir().path() / "stderr.txt";
  const std::string locked_page = (f.root() / "a" / "deep" / "index.html").string();
  const std::optional<bool> reported = run_unprivileged([&] {
    const program_result r = run_program(exe, {config.string()});
    if (std::FILE* file = std::fopen(report.c_str(), "wb")) {
      std::fwrite(r.err.data(), 1, r.err.size(), file);
      std::fclose(file);
    }
    return r.exit_status == 2 &&
           r.err == "tabulon: cannot open \"" + locked_page + "\" for writing: Permission denied\n";
  });
  fs::permissions(f.root() / "a" / "deep", fs::perms::owner_all);
  if (!reported) GTEST_SKIP() << "cannot run the build without root's rights here";
  EXPECT_TRUE(*reported) << read_bytes(report);
  EXPECT_EQ(f.page("a/deep/index.html"), old_page);
  // Nothing was left behind in the folder, and the other pages were written.
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(f.root() / "a" / "deep"))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"d1.txt", "index.html"}));
  EXPECT_NE(f.page("b/index.html").find("4&nbsp;K"), std::string::npos) << f.page("b/index.html");
}

}  // namespace
}  // namespace tabulon::testing
