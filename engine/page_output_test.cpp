#include "engine/page_output.h"

#include <gtest/gtest.h>

#include "base/build_settings.h"
#include "base/wide_string.h"
#include "engine/page_paths.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

TEST(PageOutput, EncodesEachCharsetWithCrLfLineEnds) {
  page_output ansi(charset_ansi);
  ansi.append(L"caf\u00e9\n\u20ac");
  EXPECT_EQ(ansi.bytes(), std::string("caf\xE9\r\n\x80"));

  page_output utf8(charset_utf8);
  utf8.append(L"caf\u00e9\n");
  EXPECT_EQ(utf8.bytes(), std::string("caf\xC3\xA9\r\n"));  // no byte order mark

  page_output utf16(charset_utf16le);
  utf16.append(L"a\n");
  EXPECT_EQ(utf16.bytes(), std::string("\xFF\xFE"
                                       "a\0\r\0\n\0",
                                       8));
}

TEST(PageOutput, LongTextsSurviveTheWritersBuffer) {
  page_output out(charset_utf8);
  std::wstring text(200000, L'\u00e9');
  out.append(text);
  EXPECT_EQ(out.bytes().size(), 400000u);
}

TEST(PageOutput, ReplacesMarkersOnlyAtCharacterBoundaries) {
  page_output out(charset_utf16le);
  // U+4900 followed by 'N' holds the bytes "\0I N\0" - a misaligned "IN".
  out.append(L"\u4900N%%SUMMARY and %%SUMMARY");
  EXPECT_EQ(out.replace_all(L"%%SUMMARY", L"x\n"), 2u);
  page_output expected(charset_utf16le);
  expected.append(L"\u4900Nx\n and x\n");
  EXPECT_EQ(out.bytes(), expected.bytes());
  EXPECT_EQ(out.replace_all(L"IN", L"?"), 0u);
}

// Chunks are skipped when they cannot hold a marker; a marker written by an
// earlier replacement, one at the very end of a chunk, and one after a long
// stretch of ASCII (past the encoder's buffer) must still be found.
TEST(PageOutput, FindsMarkersInEveryChunkThatMayHoldThem) {
  for (const int32_t charset : {charset_ansi, charset_utf8, charset_utf16le}) {
    page_output out(charset);
    out.append(L"<p>plain 100% text, no markers</p>\n");
    out.append(L"before INSERT_FOLDER_ANCHORS after\n");
    out.append(std::wstring(10000, L'x') + L"\n\u00e9%%TOTAL_FILES%");
    out.append(L"single % signs only\n");
    EXPECT_TRUE(out.contains(L"%%TOTAL_FILES%"));
    EXPECT_FALSE(out.contains(L"%%SUMMARY"));
    EXPECT_EQ(out.replace_all(L"INSERT_FOLDER_ANCHORS", L"[%%SUMMARY]"), 1u);
    EXPECT_TRUE(out.contains(L"%%SUMMARY"));
    EXPECT_EQ(out.replace_all(L"%%SUMMARY", L"sum"), 1u);
    EXPECT_EQ(out.replace_all(L"%%TOTAL_FILES%", L"7"), 1u);
    page_output expected(charset);
    expected.append(L"<p>plain 100% text, no markers</p>\nbefore [sum] after\n" +
                    std::wstring(10000, L'x') + L"\n\u00e97single % signs only\n");
    EXPECT_EQ(out.bytes(), expected.bytes()) << "charset " << charset;
  }
}

// Markers that straddle the encoder's block boundary in plain ASCII text.
TEST(PageOutput, FindsMarkersAcrossBlockBoundaries) {
  for (const size_t before : {4090u, 4093u, 4095u, 4096u, 8191u}) {
    for (const std::wstring marker : {L"%%TOTAL_FOLDERS%", L"INSERT_FOLDER_ANCHORS"}) {
      page_output out(charset_utf8);
      out.append(std::wstring(before, L'y') + marker + L"\n");
      EXPECT_EQ(out.replace_all(marker, L"!"), 1u) << before;
      EXPECT_EQ(out.bytes(), std::string(before, 'y') + "!\r\n");
    }
  }
}

TEST(PagePaths, RootPrefixAndRelativePaths) {
  EXPECT_EQ(root_prefix_of(L"/r", L"/r"), L"");
  EXPECT_EQ(root_prefix_of(L"/r/a/b", L"/r"), L"../../");
  EXPECT_EQ(root_prefix_of(L"/r/a/", L"/r/"), L"../");
  EXPECT_EQ(root_prefix_of(L"/r/a", L""), L"");
  EXPECT_EQ(relative_to_root(L"/r", L"/r"), L"/");
  EXPECT_EQ(relative_to_root(L"/r/a/b", L"/r"), L"/a/b");
  EXPECT_EQ(relative_to_root(L"/rx/a", L"/r"), L"/rx/a");  // not below the root
  EXPECT_EQ(folder_own_name(L"/r/a/"), L"a");
  EXPECT_EQ(folder_own_name(L"/"), L"/");
  EXPECT_EQ(output_path_of(L"/r/a", L"index.html", L"/prog/"), L"/r/a/index.html");
  EXPECT_EQ(output_path_of(L"/r/a", L"out/index.html", L"/prog/"), L"/prog/out/index.html");
  EXPECT_EQ(output_path_of(L"/r/a", L"/abs/x.html", L"/prog/"), L"/abs/x.html");
}

TEST(PageOutput, WritingReportsThePathAndTheSystemsReason) {
  testing::temp_dir dir;
  page_output out(charset_utf8);
  out.append(L"<p>x</p>\n");
  const std::wstring page = from_native((dir.path() / "index.html").string());
  EXPECT_TRUE(out.write_to(page).ok());
  EXPECT_EQ(testing::read_bytes(dir.path() / "index.html"), "<p>x</p>\r\n");

  const std::wstring missing = from_native((dir.path() / "no such" / "index.html").string());
  const status failed = out.write_to(missing);
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.path(), missing);
  EXPECT_TRUE(starts_with(failed.message(), L"cannot open \"" + missing + L"\" for writing: "));
  dir.mkdir("taken");
  const status folder = out.write_to(from_native((dir.path() / "taken").string()));
  EXPECT_FALSE(folder.ok());
#ifndef _WIN32
  EXPECT_EQ(failed.reason(), L"No such file or directory");
  EXPECT_EQ(folder.reason(), L"Is a directory");
#endif
}

}  // namespace
}  // namespace tabulon
