// Framed-site builds run through the tabulon program: the frameset page, the
// folder list of the left frame and the file pages of the right frame.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/site_checks.h"

namespace tabulon::testing {
namespace {

std::filesystem::path make_tree(const temp_dir& dir) {
  dir.write("tree/top.txt", "t");
  dir.write("tree/a/one.txt", "1");
  dir.write("tree/a/deep/two.txt", "2");
  dir.write("tree/b/three.txt", "3");
  return dir.path() / "tree";
}

config_keys framed_site(const std::filesystem::path& tree, const std::string& frameset) {
  return {{"path", tree.string()},
          {"file_spec", "*.*"},
          {"skip_files", "index.html;folders.html;files.html"},
          {"recursive_build", "TRUE"},
          {"build_framed_site", "TRUE"},
          {"frameset_file", frameset},
          {"left_frame_file", "Scripts/left_frame.txt"},
          {"right_frame_file", "Scripts/right_frame.txt"},
          {"custom_html_filename", "Scripts/blue_white_border.txt"},
          {"multi_recurse_title", "FOLDER"},
          {"output_filename", "index.html"},
          {"charset", "UTF_8"},
          {"doctype", "html_401_transitional"}};
}

// Every start tag of a link in `page` whose target ends with `suffix`.
std::vector<std::string> link_tags_to(const std::string& page, const std::string& suffix) {
  std::vector<std::string> tags;
  for (size_t at = page.find("<a "); at != std::string::npos; at = page.find("<a ", at + 1)) {
    const std::string tag = page.substr(at, page.find('>', at) - at + 1);
    for (const std::string& href : attribute_values(tag, "href")) {
      if (href.size() >= suffix.size() &&
          href.compare(href.size() - suffix.size(), suffix.size(), suffix) == 0)
        tags.push_back(tag);
    }
  }
  return tags;
}

TEST(FramedSiteBuild, FramesetPageGetsItsTitleAndLowerCaseSources) {
  temp_dir dir;
  const auto tree = make_tree(dir);
  const auto frameset = dir.write(
      "frames.html",
      "<html>\r\n<head><title></title></head>\r\n<frameset cols=\"25%,*\">\r\n"
      "<frame SRC=\"nav.html\" name=\"nav\">\r\n<frame SRC=\"main.html\" name=\"main\">\r\n"
      "</frameset>\r\n</html>\r\n");
  const program_result r =
      run_build(write_config(dir, "f.init", framed_site(tree, frameset.string())));
  EXPECT_EQ(r.exit_status, 0) << r.err;

  const std::string page = read_bytes(tree / "index.html");
  EXPECT_NE(page.find("<title>tree</title>"), std::string::npos) << page;
  EXPECT_NE(page.find("<frame src=\"nav.html\" name=\"nav\">\r\n"), std::string::npos) << page;
  EXPECT_EQ(page.find("SRC="), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(tree / "nav.html"));
  EXPECT_TRUE(std::filesystem::exists(tree / "b" / "main.html"));

  // A title that already holds text keeps it.
  dir.write("frames.html", "<title>Mine</title><frame src=\"nav.html\"><frame src=\"main.html\">");
  run_build(write_config(dir, "f.init", framed_site(tree, frameset.string())));
  EXPECT_NE(read_bytes(tree / "index.html").find("<title>Mine</title>"), std::string::npos);
}

TEST(FramedSiteBuild, LeftFrameListsFoldersAndRightFramesCoverTheBranch) {
  temp_dir dir;
  const auto tree = make_tree(dir);
  const program_result r =
      run_build(write_config(dir, "f.init", framed_site(tree, "Scripts/frameset.txt")));
  EXPECT_EQ(r.exit_status, 0) << r.err;

  // The left frame: one page in the root with the root and the subfolders.
  const std::string left = read_bytes(tree / "folders.html");
  EXPECT_EQ(files_named(tree, "folders.html").size(), 1u);
  EXPECT_EQ(link_tags_to(left, "a/files.html").size(), 1u);
  EXPECT_EQ(link_tags_to(left, "b/files.html").size(), 1u);
  EXPECT_EQ(link_tags_to(left, "./files.html").size(), 1u) << left;
  for (const char* file : {"top.txt", "one.txt", "three.txt"}) {
    EXPECT_EQ(left.find(file), std::string::npos) << file;
  }

  // The right frame: one page in every folder of the branch.
  for (const auto& folder : {tree, tree / "a", tree / "a" / "deep", tree / "b"}) {
    EXPECT_TRUE(std::filesystem::exists(folder / "files.html")) << folder;
  }
  EXPECT_NE(read_bytes(tree / "a" / "deep" / "files.html").find("two.txt"), std::string::npos);

  // Every page links only to what exists.
  for (const auto& page : files_named(tree, "files.html")) {
    EXPECT_EQ(broken_links(page), std::vector<std::string>{}) << page;
  }
  EXPECT_EQ(broken_links(tree / "folders.html"), std::vector<std::string>{});
  EXPECT_EQ(broken_links(tree / "index.html"), std::vector<std::string>{});
}

TEST(FramedSiteBuild, PrimaryScriptLinksFoldersIntoTheSecondFrame) {
  temp_dir dir;
  const auto tree = make_tree(dir);
  auto keys = framed_site(tree, "Scripts/frameset.txt");
  keys.emplace_back("use_primary_script_always", "TRUE");
  const program_result r = run_build(write_config(dir, "f.init", keys));
  EXPECT_EQ(r.exit_status, 0) << r.err;

  std::vector<std::filesystem::path> pages = files_named(tree, "files.html");
  pages.push_back(tree / "folders.html");
  size_t folder_links = 0;
  for (const auto& page : pages) {
    for (const std::string& tag : link_tags_to(read_bytes(page), "files.html")) {
      ++folder_links;
      EXPECT_NE(tag.find(" target=\"files\""), std::string::npos) << page << ": " << tag;
    }
  }
  EXPECT_GE(folder_links, 6u);
}

TEST(FramedSiteBuild, MissingFramesetScriptWritesNothing) {
  temp_dir dir;
  const auto tree = make_tree(dir);
  const program_result r = run_build(
      write_config(dir, "f.init", framed_site(tree, (dir.path() / "none.html").string())));
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_FALSE(r.err.empty());
  for (const auto& item : std::filesystem::recursive_directory_iterator(tree)) {
    EXPECT_EQ(item.path().extension(), item.is_directory() ? "" : ".txt") << item.path();
  }
}

}  // namespace
}  // namespace tabulon::testing
