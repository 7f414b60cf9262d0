#include "engine/link_title.h"

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

class LinkTitle : public ::testing::Test {
 protected:
  std::wstring title_of(std::string_view name, std::string_view bytes) {
    dir.write(name, bytes);
    return read_link_title(settings, folder(), from_native(name));
  }
  std::wstring folder() const { return from_native(dir.path().string()); }

  testing::temp_dir dir;
  build_settings settings;
};

TEST_F(LinkTitle, TitleTextInAnyCaseAndAnyQualifyingName) {
  EXPECT_EQ(title_of("index.htm", "<html><head><title>Home page</title></head>"), L"Home page");
  EXPECT_EQ(title_of("a.html.bak", "<TITLE>Bak</Title>"), L"Bak");
  EXPECT_EQ(title_of("page.shtml", "x<TiTlE>Two\r\nlines</tItLe>"), L"Two\nlines");
  // The first title wins, and nothing is trimmed or decoded.
  EXPECT_EQ(title_of("b.xhtml", "<title> &amp; x </title><title>no</title>"), L" &amp; x ");
  // A folder given with its trailing separator finds the same file.
  EXPECT_EQ(read_link_title(settings, folder() + L"/", L"index.htm"), L"Home page");
}

TEST_F(LinkTitle, OtherNamesAreNeverOpened) {
  // notes.txt would have a title, but is not an HTML file by its name.
  EXPECT_EQ(title_of("notes.txt", "<title>Hidden</title>"), L"notes.txt");
  EXPECT_EQ(read_link_title(settings, folder(), L"missing.txt"), L"missing.txt");
}

TEST_F(LinkTitle, FallsBackToTheFileName) {
  // A title tag with attributes, an empty or unclosed title, no title at all.
  const std::pair<const char*, const char*> untitled[] = {
      {"attr.html", "<title lang=\"en\">Not found</title>"},
      {"empty.html", "<title></title>"},
      {"open.html", "<title>never closed"},
      {"none.html", ""}};
  for (const auto& [name, bytes] : untitled) EXPECT_EQ(title_of(name, bytes), from_native(name));
  EXPECT_EQ(read_link_title(settings, folder(), L"gone.html"), L"gone.html");
}

TEST_F(LinkTitle, TypographicCharactersBecomeEntities) {
  EXPECT_EQ(title_of("u.html", "\xEF\xBB\xBF<title>It\xE2\x80\x99s</title>"), L"It&rsquo;s");
  // With no title at all the name is returned as it is; an empty file's name
  // goes through the same conversion as a title.
  EXPECT_EQ(title_of("x\xE2\x80\x99.html", "no title"), L"x\u2019.html");
  EXPECT_EQ(title_of("y\xE2\x80\x99.html", ""), L"y&rsquo;.html");
  settings.convert_typographic = 0;
  EXPECT_EQ(title_of("v.html", "\xEF\xBB\xBF<title>It\xE2\x80\x99s</title>"), L"It\u2019s");
}

TEST_F(LinkTitle, HugeFileWithAnUnclosedTitleIsReadOnce) {
  const auto path = dir.path() / "big.html";
  {
    std::ofstream out(path, std::ios::binary);
    out << "<html><title>";
    const std::string block(1 << 20, 'x');  // one line of 50 MB, no line end
    for (int i = 0; i < 50; ++i) out << block;
  }
  EXPECT_EQ(read_link_title(settings, folder(), L"big.html"), L"big.html");
}

TEST_F(LinkTitle, OverlongTitleIsCut) {
  std::string bytes = "<title>" + std::string(kMaxLinkTitleChars + 100, 'y') + "</title>";
  EXPECT_EQ(title_of("long.html", bytes), std::wstring(kMaxLinkTitleChars, L'y'));
}

}  // namespace
}  // namespace tabulon
