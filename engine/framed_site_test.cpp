#include "engine/framed_site.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/wide_string.h"
#include "engine/page_state.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

// Whether the next page the generator assembles would be a frame page.
bool frame_page_pending(html_generator& gen) {
  return page_state(gen, L"").assembly.framed_page;
}

struct frameset_case {
  const wchar_t* text;
  bool want_target_name;
  const wchar_t* left;
  const wchar_t* right;
  const wchar_t* target_name;
  std::vector<const wchar_t*> kept;  // pieces the rewritten text holds
  const wchar_t* gone;               // a piece it no longer holds
};

TEST(FramesetSources, ReadsTheFirstTwoSourcesAndTheTargetNameAfterTheFrameset) {
  const frameset_case cases[] = {
      // Sources are lower-cased, a third frame is ignored, no name is read.
      {L"<frameset cols=\"20%,*\">\n<FRAME SRC=\"left.html\" name=\"a\">\n"
       L"<frame src=\"right.html\" name=\"b\">\n<frame src=\"third.html\">\n</frameset>",
       false,
       L"left.html",
       L"right.html",
       L"",
       {L"<FRAME src=\"left.html\""},
       L"SRC="},
      // The target is the second name after the frameset; the text before the
      // frameset keeps its spelling.
      {L"<meta NAME=\"x\" content=\"y\">\n<FRAMESET cols=\"1,2\">\n"
       L"<FRAME src=\"l.html\" NAME=\"list\">\n<FRAME src=\"r.html\" NAME=\"body\">\n</FRAMESET>",
       true,
       L"l.html",
       L"r.html",
       L"body",
       {L"<meta NAME=\"x\"", L"<frame src=\"r.html\" name=\"body\">"},
       L"NAME=\"body\""},
      // Without a target name no frameset element is needed.
      {L"<frame src=\"l.html\" name=\"a\"><frame src=\"r.html\" name=\"b\">",
       false,
       L"l.html",
       L"r.html",
       L"",
       {},
       L"SRC="},
  };
  for (const frameset_case& c : cases) {
    std::wstring text = c.text;
    const frameset_sources found = read_frameset_sources(text, c.want_target_name);
    ASSERT_TRUE(found.ok) << wide_to_utf8(c.text);
    EXPECT_EQ(found.left, c.left);
    EXPECT_EQ(found.right, c.right);
    EXPECT_EQ(found.target_name, c.target_name);
    for (const wchar_t* piece : c.kept)
      EXPECT_NE(text.find(piece), std::wstring::npos) << wide_to_utf8(text);
    EXPECT_EQ(text.find(c.gone), std::wstring::npos) << wide_to_utf8(text);
  }
}

TEST(FramesetSources, RefusesSourcesAndNamesItCannotUse) {
  const std::pair<const wchar_t*, bool> refused[] = {
      {L"<frameset><frame src=\"only.html\"></frameset>", false},
      {L"<frame src=left.html><frame src=\"right.html\">", false},
      {L"<frame src=\"left.html\"><frame src=\"right.html>", false},
      {L"<frame src=\"\"><frame src=\"right.html\">", false},
      {L"<frame src=\"sub/left.html\"><frame src=\"right.html\">", false},
      {L"<frame src=\"left.html\"><frame src=\"..\">", false},
      {L"", false},
      {L"src=", false},
      // A target name is wanted: two names after a frameset element.
      {L"<frameset><frame src=\"l.html\" name=\"a\"><frame src=\"r.html\">", true},
      {L"<frame src=\"l.html\" name=\"a\"><frame src=\"r.html\" name=\"b\">", true},
  };
  for (const auto& [text, want_target_name] : refused) {
    std::wstring copy = text;
    EXPECT_FALSE(read_frameset_sources(copy, want_target_name).ok) << wide_to_utf8(text);
  }
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
  EXPECT_FALSE(frame_page_pending(gen));
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
  EXPECT_FALSE(frame_page_pending(gen));
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
