// End to end: which pages each build mode writes, and what the exit status
// and standard error say about it.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "tests/support/build_fixture.h"

namespace tabulon::testing {
namespace {

const std::string kPerFolder = "recursive_build=TRUE\nrecursive_build_single_file=TRUE\n";

class BuildModes : public ::testing::Test {
 protected:
  void SetUp() override {
    f.files({"top.txt", "a/a1.txt", "a/deep/d1.txt", "skip/s1.txt", "skip/below/s2.txt",
             ".hidden/h.txt"});
  }
  // The folders that got a page, relative to the tree ("." for the tree itself).
  std::set<std::string> folders_with_pages() const {
    std::set<std::string> folders;
    for (const auto& page : files_named(f.root(), "index.html"))
      folders.insert(page.parent_path().lexically_relative(f.root()).generic_string());
    return folders;
  }
  build_fixture f;
};

TEST_F(BuildModes, OneFilePerFolderWritesEveryPageButSkippedBranches) {
  const auto result = f.build(kPerFolder + "skip_folders=" + (f.root() / "skip").string() + "\n");
  ASSERT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(folders_with_pages(), (std::set<std::string>{".", "a", "a/deep"}));
}

TEST_F(BuildModes, DepthLimitOneStopsBelowTheDirectSubfolders) {
  ASSERT_EQ(f.build(kPerFolder + "max_search_depth2=1\n").exit_status, 0);
  EXPECT_EQ(folders_with_pages(), (std::set<std::string>{".", "a", "skip"}));
}

TEST_F(BuildModes, SkipRootWritesNoPageInTheRoot) {
  ASSERT_EQ(f.build(kPerFolder + "multi_recurse_skip_root=TRUE\n").exit_status, 0);
  EXPECT_EQ(folders_with_pages(), (std::set<std::string>{"a", "a/deep", "skip", "skip/below"}));
}

TEST_F(BuildModes, FolderLinksPointAtTheSubfoldersPage) {
  ASSERT_EQ(f.build(kPerFolder + "output_filename=list.html\n").exit_status, 0);
  const std::string page = f.page("list.html");
  EXPECT_NE(page.find("href=\"a/list.html\""), std::string::npos) << page;
  EXPECT_NE(f.page("a/list.html").find("href=\"deep/list.html\""), std::string::npos);
  EXPECT_NE(f.page("a/list.html").find("href=\"../list.html\""), std::string::npos);
}

TEST_F(BuildModes, AllLinksInOneFileListsTheWholeBranchInTheRootPage) {
  ASSERT_EQ(f.build("recursive_build=TRUE\nrecursive_build_single_file=FALSE\n").exit_status, 0);
  EXPECT_FALSE(f.has_page("a/index.html"));
  const std::string page = f.page();
  for (const char* link : {"href=\"top.txt\"", "href=\"a/a1.txt\"", "href=\"a/deep/d1.txt\"",
                           "href=\"skip/below/s2.txt\""})
    EXPECT_NE(page.find(link), std::string::npos) << link;
  EXPECT_EQ(page.find("h.txt"), std::string::npos);
}

TEST(BuildResult, AnEmptyFolderWritesNoPageAndFails) {
  build_fixture f;
  const auto result = f.build("recursive_build=FALSE\n");
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_FALSE(f.has_page());
  EXPECT_NE(result.err.find("no page was written"), std::string::npos) << result.err;
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
}

TEST(BuildResult, AFolderWithOnlyAParentLinkStillGetsAPage) {
  build_fixture f;
  f.folder("empty");
  const auto result = f.build("recursive_build=FALSE\nsupress_parent_link=FALSE\npath=" +
                              (f.root() / "empty").string() + "\n");
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_TRUE(f.has_page("empty/index.html"));
}

TEST(BuildResult, AMissingRootFolderIsReported) {
  build_fixture f;
  const auto result = f.build("path=" + (f.root() / "nowhere").string() + "\n");
  EXPECT_EQ(result.exit_status, 1);
  // The reason is the system's, from the call that failed.
  EXPECT_NE(result.err.find("\"" + (f.root() / "nowhere").string() + "\": No such file"),
            std::string::npos)
      << result.err;
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
}

TEST(BuildResult, OutputNameWithAFolderIsTakenFromTheProgramFolder) {
  build_fixture f;
  f.file("a.txt");
  const std::string folder = "page-output-test-" + std::to_string(std::random_device{}());
  const auto target = tabulon_exe().parent_path() / folder / "out.html";
  std::filesystem::create_directories(target.parent_path());
  const auto result = f.build("recursive_build=FALSE\noutput_filename=" + folder + "/out.html\n");
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_NE(read_bytes(target).find("href=\"a.txt\""), std::string::npos);
  std::filesystem::remove_all(target.parent_path());
}

TEST(BuildResult, APageThatCannotBeWrittenIsReported) {
  build_fixture f;
  f.file("a.txt");
  const auto target = f.dir().path() / "no such folder" / "out.html";
  const auto result = f.build("recursive_build=FALSE\noutput_filename=" + target.string() + "\n");
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_NE(result.err.find("cannot open"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("out.html"), std::string::npos);
}

TEST(BuildResult, AFramedBuildWithoutItsFramesetScriptWritesNothing) {
  build_fixture f;
  f.file("a.txt");
  const auto result = f.build("recursive_build=TRUE\nbuild_framed_site=TRUE\nframeset_file=" +
                              (f.dir().path() / "missing.txt").string() + "\n");
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_FALSE(f.has_page());
  EXPECT_NE(result.err.find("frameset script \"" + (f.dir().path() / "missing.txt").string()),
            std::string::npos)
      << result.err;
}

TEST(BuildResult, APageThatCannotBeWrittenLeavesTheOthersAndExitsWithTwo) {
  build_fixture f;
  f.files({"top.txt", "a/a1.txt", "b/b1.txt", "b/c/c1.txt"});
  // Folder a holds a folder where its page would go.
  f.folder("a/index.html");
  f.file("a/index.html/inner.txt");
  const auto result = f.build(kPerFolder);
  EXPECT_EQ(result.exit_status, 2) << result.err;
  for (const char* page :
       {"index.html", "b/index.html", "b/c/index.html", "a/index.html/index.html"})
    EXPECT_TRUE(f.has_page(page)) << page;
  // One line, naming the page and the system's reason.
  EXPECT_EQ(result.err, "tabulon: cannot open \"" + (f.root() / "a" / "index.html").string() +
                            "\" for writing: Is a directory\n");
}

TEST(BuildResult, WhenNoPageCanBeWrittenEachFailureIsReportedAndTheStatusIsOne) {
  build_fixture f;
  f.files({"a/a1.txt", "b/b1.txt"});
  f.folder("index.html");
  f.folder("a/index.html");
  f.folder("b/index.html");
  const auto result = f.build(kPerFolder + "skip_folders=*/index.html\n");
  EXPECT_EQ(result.exit_status, 1) << result.err;
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 3) << result.err;
  EXPECT_NE(result.err.find((f.root() / "b" / "index.html").string()), std::string::npos);
}

}  // namespace
}  // namespace tabulon::testing
