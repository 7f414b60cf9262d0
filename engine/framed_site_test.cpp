#include "engine/framed_site.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

TEST(FramesetSources, ReadsTheFirstTwoQuotedSourcesAndLowerCasesThem) {
  std::wstring text =
      L"<frameset cols=\"20%,*\">\n<FRAME SRC=\"left.html\" name=\"a\">\n"
      L"<frame src=\"right.html\" name=\"b\">\n<frame src=\"third.html\">\n</frameset>";
  const frameset_sources found = read_frameset_sources(text, false);
  EXPECT_TRUE(found.ok);
  EXPECT_EQ(found.left, L"left.html");
  EXPECT_EQ(found.right, L"right.html");
  EXPECT_NE(text.find(L"<FRAME src=\"left.html\""), std::wstring::npos);
  EXPECT_EQ(text.find(L"SRC="), std::wstring::npos);
  EXPECT_TRUE(found.target_name.empty());
}

TEST(FramesetSources, RefusesSourcesItCannotUse) {
  auto ok = [](std::wstring text) { return read_frameset_sources(text, false).ok; };
  EXPECT_FALSE(ok(L"<frameset><frame src=\"only.html\"></frameset>"));
  EXPECT_FALSE(ok(L"<frame src=left.html><frame src=\"right.html\">"));
  EXPECT_FALSE(ok(L"<frame src=\"left.html\"><frame src=\"right.html>"));
  EXPECT_FALSE(ok(L"<frame src=\"\"><frame src=\"right.html\">"));
  EXPECT_FALSE(ok(L"<frame src=\"sub/left.html\"><frame src=\"right.html\">"));
  EXPECT_FALSE(ok(L"<frame src=\"left.html\"><frame src=\"..\">"));
  EXPECT_FALSE(ok(L""));
  EXPECT_FALSE(ok(L"src="));
}

TEST(FramesetSources, TargetNameIsTheSecondNameAfterTheFrameset) {
  std::wstring text =
      L"<meta NAME=\"x\" content=\"y\">\n<FRAMESET cols=\"1,2\">\n"
      L"<FRAME src=\"l.html\" NAME=\"list\">\n<FRAME src=\"r.html\" NAME=\"body\">\n</FRAMESET>";
  const frameset_sources found = read_frameset_sources(text, true);
  ASSERT_TRUE(found.ok);
  EXPECT_EQ(found.target_name, L"body");
  // The text before the frameset keeps its spelling.
  EXPECT_NE(text.find(L"<meta NAME=\"x\""), std::wstring::npos);
  EXPECT_NE(text.find(L"<frame src=\"r.html\" name=\"body\">"), std::wstring::npos);

  std::wstring one_name = L"<frameset><frame src=\"l.html\" name=\"a\"><frame src=\"r.html\">";
  EXPECT_FALSE(read_frameset_sources(one_name, true).ok);
  std::wstring no_frameset = L"<frame src=\"l.html\" name=\"a\"><frame src=\"r.html\" name=\"b\">";
  EXPECT_FALSE(read_frameset_sources(no_frameset, true).ok);
  EXPECT_TRUE(read_frameset_sources(no_frameset, false).ok);
}

// A small tree, the three frame scripts and settings for a framed build.
struct framed_fixture {
  testing::temp_dir dir;
  build_settings s;
  std::wstring frameset;
  std::wstring left;
  std::wstring right;

  framed_fixture() {
    dir.write("tree/top.txt", "t");
    dir.write("tree/a/one.txt", "1");
    dir.write("tree/b/two.txt", "2");
    frameset = from_native(dir.write("frames.txt",
                                     "<html><head><title></title></head><frameset>"
                                     "<frame src=\"nav.html\" name=\"n\"><frame src=\"main.html\" "
                                     "name=\"m\"></frameset></html>")
                               .string());
    left = from_native(dir.write("left.txt", "/FOLDER_TD\nclass=\"l\"\n").string());
    right = from_native(dir.write("right.txt", "/FILE_TD\nclass=\"r\"\n").string());
    s.program_folder = from_native(dir.path().string()) + L"/";
    s.path = from_native((dir.path() / "tree").string());
    s.recursive_build = 1;
    s.build_framed_site = 1;
    s.force_framed_settings = 1;
    s.include_subfolders = 0;
    s.supress_parent_link = 1;
    s.recursive_build_single_file = 0;
    s.output_filename = L"sub/index.html";
  }
  std::filesystem::path tree() const { return dir.path() / "tree"; }
};

TEST(FramedSiteBuild, WritesAllPagesAndLeavesTheDescribedState) {
  framed_fixture f;
  html_generator gen(f.s);
  const int pages = framed_site_build(gen, nullptr, f.frameset, f.left, f.right);
  // The frameset, the left page, and a right page in each of three folders.
  EXPECT_EQ(pages, 5);
  const std::wstring frameset_page = f.s.path + L"/index.html";
  ASSERT_FALSE(gen.written_files.empty());
  EXPECT_EQ(gen.written_files.front(), frameset_page);
  EXPECT_EQ(gen.last_output_path, frameset_page);
  EXPECT_TRUE(std::filesystem::exists(f.tree() / "nav.html"));
  EXPECT_FALSE(std::filesystem::exists(f.tree() / "a" / "nav.html"));
  for (const char* folder : {"", "a", "b"}) {
    EXPECT_TRUE(std::filesystem::exists(f.tree() / folder / "main.html")) << folder;
  }
  const std::string frameset_text = testing::read_bytes(f.tree() / "index.html");
  EXPECT_NE(frameset_text.find("<title>tree</title>"), std::string::npos);

  EXPECT_EQ(f.s.output_filename, L"main.html");
  EXPECT_TRUE(f.s.recursive_build && f.s.recursive_build_single_file && f.s.build_framed_site &&
              f.s.reload_script);
  EXPECT_TRUE(f.s.recursion_root.empty());
  EXPECT_EQ(f.s.frame_list_pass, 0);
  EXPECT_EQ(f.s.root_link, 0);
  EXPECT_FALSE(gen.assembly.framed_page);
  // The forced folder tables and parent links are put back.
  EXPECT_EQ(f.s.include_subfolders, 0);
  EXPECT_EQ(f.s.supress_parent_link, 1);
  // The right frame script stays loaded, linking folders to the right pages.
  EXPECT_EQ(f.s.script[sec::file_td], L"class=\"r\"");
  EXPECT_EQ(f.s.script[sec::folder_file_link], L"main.html");
}

TEST(FramedSiteBuild, WritesNothingWithoutAPathOrUsableFrameset) {
  {
    framed_fixture f;
    f.s.path.clear();
    html_generator gen(f.s);
    EXPECT_EQ(framed_site_build(gen, nullptr, f.frameset, f.left, f.right), 0);
    EXPECT_TRUE(gen.written_files.empty());
  }
  {
    // A skipped root would leave a frameset without frames.
    framed_fixture f;
    f.s.skip_folders = f.s.path;
    html_generator gen(f.s);
    EXPECT_EQ(framed_site_build(gen, nullptr, f.frameset, f.left, f.right), 0);
    EXPECT_FALSE(std::filesystem::exists(f.tree() / "index.html"));
    EXPECT_FALSE(gen.not_started.ok());
  }
  for (const char* text : {"", "<title></title><frame src=\"only.html\">",
                           "<frame src=nav.html><frame src=main.html>"}) {
    framed_fixture f;
    f.dir.write("frames.txt", text);
    html_generator gen(f.s);
    EXPECT_EQ(framed_site_build(gen, nullptr, f.frameset, f.left, f.right), 0) << text;
    EXPECT_TRUE(gen.written_files.empty());
    EXPECT_FALSE(std::filesystem::exists(f.tree() / "index.html"));
    EXPECT_FALSE(std::filesystem::exists(f.tree() / "main.html"));
  }
}

TEST(FramedSiteBuild, FramePagesAreBuiltWhenTheFramesetPageCannotBe) {
  framed_fixture f;
  f.dir.mkdir("tree/index.html");  // a folder where the frameset page would go
  f.s.skip_folders = f.s.path + L"/index.html";
  html_generator gen(f.s);
  EXPECT_EQ(framed_site_build(gen, nullptr, f.frameset, f.left, f.right), 4);
  EXPECT_TRUE(std::filesystem::exists(f.tree() / "b" / "main.html"));
  // The frameset page is reported with the reason its file could not be written.
  ASSERT_EQ(gen.failed_pages.size(), 1u);
  EXPECT_EQ(gen.failed_pages[0].path(), f.s.path + L"/index.html");
}

TEST(FramedSiteBuild, FramePageNamesWithAColonAreNotReadAsSchemes) {
  framed_fixture f;
  f.dir.write("frames.txt", "<frameset><frame src=\"nav:list.html\"><frame src=\"x:main.html\">");
  html_generator gen(f.s);
  EXPECT_EQ(framed_site_build(gen, nullptr, f.frameset, f.left, f.right), 5);
  const std::string frameset = testing::read_bytes(f.tree() / "index.html");
  EXPECT_NE(frameset.find("src=\"./nav:list.html\""), std::string::npos) << frameset;
  EXPECT_NE(frameset.find("src=\"./x:main.html\""), std::string::npos) << frameset;
  EXPECT_TRUE(std::filesystem::exists(f.tree() / "a" / "x:main.html"));
  // The folder list links each folder's page behind the folder's own name.
  const std::string left = testing::read_bytes(f.tree() / "nav:list.html");
  EXPECT_NE(left.find("href=\"a/x:main.html\""), std::string::npos) << left;
  EXPECT_TRUE(gen.not_started.ok());
}

TEST(FramedSiteBuild, AFramesetThatCannotBeUsedSaysWhy) {
  framed_fixture f;
  f.dir.write("frames.txt", "<frameset><frame src=\"only.html\"></frameset>");
  html_generator gen(f.s);
  EXPECT_EQ(framed_site_build(gen, nullptr, f.frameset, f.left, f.right), 0);
  EXPECT_EQ(gen.not_started.path(), f.frameset);
  EXPECT_NE(gen.not_started.message().find(L"two frame pages"), std::wstring::npos);
}

TEST(FramedSiteBuild, CancelDuringTheLeftPassSkipsTheRightPass) {
  framed_fixture f;
  build_progress progress;
  progress.notify = 1;
  progress.callback = [](build_progress& p) { p.cancelled = true; };
  html_generator gen(f.s);
  framed_site_build(gen, &progress, f.frameset, f.left, f.right);
  EXPECT_TRUE(progress.cancelled);
  EXPECT_FALSE(std::filesystem::exists(f.tree() / "a" / "main.html"));
  EXPECT_EQ(f.s.output_filename, L"main.html");
  EXPECT_FALSE(gen.assembly.framed_page);
}

TEST(FramedSiteBuild, CharactersBeyondLatin1BecomeReferences) {
  framed_fixture f;
  f.dir.write("frames.txt",
              "\xEF\xBB\xBF<title>\xC3\xA9 \xE2\x82\xAC</title><frame src=\"nav.html\"><frame "
              "src=\"main.html\">");
  html_generator gen(f.s);
  framed_site_build(gen, nullptr, f.frameset, f.left, f.right);
  EXPECT_NE(testing::read_bytes(f.tree() / "index.html").find("<title>\xE9 &#8364;</title>"),
            std::string::npos);
}

}  // namespace
}  // namespace tabulon
