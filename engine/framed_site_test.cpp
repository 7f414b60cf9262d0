#include "engine/framed_site.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace tabulon
