#include "base/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::read_bytes;
using testing::temp_dir;
using testing::wide;

// Every line of a file read with `encoding_and_options`.
std::vector<std::wstring> lines_of(const std::filesystem::path& p, int encoding_and_options,
                                   size_t buffer_size = 0) {
  text_file f;
  EXPECT_EQ(f.open(wide(p), text_read, encoding_and_options, buffer_size), 0);
  std::vector<std::wstring> out;
  std::wstring line;
  while (f.read_line(line) == 0) out.push_back(line);
  EXPECT_EQ(f.read_line(line), -1);  // stays at the end
  return out;
}

std::string written(const temp_dir& dir, std::wstring_view text, int encoding_and_options,
                    bool utf8_bom = false) {
  const auto p = dir.path() / "out.txt";
  text_file f(utf8_bom);
  EXPECT_EQ(f.open(wide(p), text_write, encoding_and_options), 0);
  EXPECT_EQ(f.write_text(text), 0);
  EXPECT_EQ(f.close(), 0);
  return read_bytes(p);
}

const std::wstring kMixed =
    std::wstring(L"plain\ncaf\u00E9 \u20AC\n") + wchar_t(0x1F600) + L" smile\n\nlast";

TEST(TextFile, RoundTripInEveryEncodingWithDetection) {
  temp_dir dir;
  const std::vector<std::wstring> expected = {
      L"plain", L"caf\u00E9 \u20AC", std::wstring(1, wchar_t(0x1F600)) + L" smile", L"", L"last"};
  for (int enc : {text_utf8, text_utf16le, text_utf16be}) {
    SCOPED_TRACE(enc);
    written(dir, kMixed, enc, true);
    EXPECT_EQ(lines_of(dir.path() / "out.txt", text_detect), expected);
    EXPECT_EQ(lines_of(dir.path() / "out.txt", enc), expected);
    // A tiny buffer makes every unit and sequence straddle refills.
    EXPECT_EQ(lines_of(dir.path() / "out.txt", enc, 5), expected);
  }
  // ANSI cannot carry the emoji: it becomes "?" and the caller hears of it.
  const auto p = dir.path() / "ansi.txt";
  text_file f;
  ASSERT_EQ(f.open(wide(p), text_write, text_detect), 0);
  bool used_default = false;
  f.write_text(kMixed, &used_default);
  f.close();
  EXPECT_TRUE(used_default);
  EXPECT_EQ(read_bytes(p), "plain\r\ncaf\xE9 \x80\r\n? smile\r\n\r\nlast");
  EXPECT_EQ(lines_of(p, text_detect),
            (std::vector<std::wstring>{L"plain", L"caf\u00E9 \u20AC", L"? smile", L"", L"last"}));
}

TEST(TextFile, ByteOrderMarksAndSurrogatePairsOnDisk) {
  temp_dir dir;
  const std::wstring emoji(1, wchar_t(0x1F600));
  EXPECT_EQ(written(dir, emoji, text_utf16le), std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6));
  EXPECT_EQ(written(dir, emoji, text_utf16be), std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6));
  EXPECT_EQ(written(dir, emoji, text_utf8), "\xF0\x9F\x98\x80");
  EXPECT_EQ(written(dir, L"x", text_utf8, true), "\xEF\xBB\xBFx");
  EXPECT_EQ(written(dir, L"\uFFFF", text_utf8), "\xEF\xBF\xBF");
  EXPECT_EQ(written(dir, L"x", text_ansi, true), "x");
}

TEST(TextFile, LineEndsOnWriting) {
  temp_dir dir;
  EXPECT_EQ(written(dir, L"x\ny", text_ansi), "x\r\ny");
  EXPECT_EQ(written(dir, L"x\ny\n", text_utf8), "x\r\ny\r\n");
  EXPECT_EQ(written(dir, L"x\ny", text_ansi | text_keep_lf), "x\ny");
  EXPECT_EQ(written(dir, L"\n", text_utf16le), std::string("\xFF\xFE\r\0\n\0", 6));
}

TEST(TextFile, CarriageReturnsOnReading) {
  temp_dir dir;
  for (const char* content : {"a\r\nb", "a\r\nb\r", "a\nb\r\n"}) {
    const auto p = dir.write("crlf.txt", content);
    EXPECT_EQ(lines_of(p, text_detect), (std::vector<std::wstring>{L"a", L"b"})) << content;
    EXPECT_EQ(lines_of(p, text_utf8), (std::vector<std::wstring>{L"a", L"b"})) << content;
  }
  const auto p = dir.write("inner.txt", "a\rb\n");
  EXPECT_EQ(lines_of(p, text_detect), (std::vector<std::wstring>{L"a\rb"}));
  const auto u16 = dir.write("u16.txt", std::string("\xFF\xFE"
                                                    "a\0\r\0\n\0b\0\r\0",
                                                    12));
  EXPECT_EQ(lines_of(u16, text_detect), (std::vector<std::wstring>{L"a", L"b"}));

  text_file f;
  ASSERT_EQ(f.open(wide(dir.write("chars.txt", "a\r\n\xC3\xA9")), text_read, text_utf8), 0);
  EXPECT_EQ(f.read_char(), 'a');
  EXPECT_EQ(f.read_char(), '\n');
  EXPECT_EQ(f.read_char(), 0xE9);
  EXPECT_EQ(f.read_char(), -1);
}

TEST(TextFile, DetectionFallsBackToAnsi) {
  temp_dir dir;
  EXPECT_TRUE(lines_of(dir.write("ffe.txt", "\xFF\xFE"), text_detect).empty());
  EXPECT_TRUE(lines_of(dir.write("empty.txt", ""), text_detect).empty());
  // EF BB without BF, a lone FE, FF followed by text: ANSI from the first byte.
  EXPECT_EQ(lines_of(dir.write("efbb.txt", "\xEF\xBBx"), text_detect),
            (std::vector<std::wstring>{L"\u00EF\u00BBx"}));
  EXPECT_EQ(lines_of(dir.write("fe.txt", "\xFE"), text_detect),
            (std::vector<std::wstring>{L"\u00FE"}));
  text_file f;
  f.open(wide(dir.path() / "efbb.txt"), text_read, text_detect);
  EXPECT_EQ(f.encoding, text_ansi);
  f.open(wide(dir.write("u8.txt", "\xEF\xBB\xBFz")), text_read, text_detect);
  EXPECT_EQ(f.encoding, text_utf8);
}

TEST(TextFile, ExplicitEncodingSkipsOrKeepsItsMark) {
  temp_dir dir;
  const auto p = dir.write("bom.txt", "\xEF\xBB\xBFx");
  EXPECT_EQ(lines_of(p, text_utf8), (std::vector<std::wstring>{L"x"}));
  EXPECT_EQ(lines_of(p, text_utf8 | text_keep_bom), (std::vector<std::wstring>{L"\uFEFFx"}));
  EXPECT_EQ(lines_of(p, text_ansi), (std::vector<std::wstring>{L"\u00EF\u00BB\u00BFx"}));
  // UTF-16LE without a mark reads from the first byte.
  const auto bare = dir.write("bare.txt", std::string("h\0i\0", 4));
  EXPECT_EQ(lines_of(bare, text_utf16le), (std::vector<std::wstring>{L"hi"}));
  EXPECT_EQ(lines_of(bare, text_utf16be), (std::vector<std::wstring>{L"\u6800\u6900"}));
}

TEST(TextFile, AppendWritesTheMarkOnlyIntoAnEmptyFile) {
  temp_dir dir;
  const auto p = dir.path() / "log.txt";
  for (int i = 0; i < 2; ++i) {
    text_file f;
    ASSERT_EQ(f.open(wide(p), text_append, text_utf16le), 0);
    f.write_text(L"a\n");
  }
  EXPECT_EQ(read_bytes(p), std::string("\xFF\xFE"
                                       "a\0\r\0\n\0a\0\r\0\n\0",
                                       14));
}

TEST(TextFile, InvalidInputKeepsWhatItCan) {
  temp_dir dir;
  // Latin-1 text read as UTF-8: the odd bytes are escaped, not swallowed, and
  // writing as UTF-8 gives the same bytes back.
  const std::string latin = "caf\xE9 na\xEFve \xF8\xFF\xC3";
  const auto p = dir.write("latin.txt", latin);
  const auto lines = lines_of(p, text_utf8);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(0, 4), std::wstring(L"caf") + wchar_t(0xDCE9));
  EXPECT_EQ(lines[0][4], L' ');
  EXPECT_EQ(written(dir, lines[0], text_utf8), latin);

  // read_char decodes exactly as read_line does.
  text_file f;
  ASSERT_EQ(f.open(wide(p), text_read, text_utf8), 0);
  std::wstring by_char;
  for (int c; (c = f.read_char()) >= 0;) by_char.push_back(static_cast<wchar_t>(c));
  EXPECT_EQ(by_char, lines[0]);

  // Lone surrogates survive a UTF-16 round trip; an odd last byte becomes U+FFFD.
  const auto u16 = dir.write("lone.txt", std::string("\xFF\xFE\x00\xD8x\0\x00\xDC", 8));
  const auto l16 = lines_of(u16, text_detect);
  ASSERT_EQ(l16.size(), 1u);
  EXPECT_EQ(l16[0], (std::wstring{wchar_t(0xD800), L'x', wchar_t(0xDC00)}));
  EXPECT_EQ(written(dir, l16[0], text_utf16le), read_bytes(u16));
  const auto odd = dir.write("odd.txt", std::string("\xFE\xFF\0a\0", 5));
  EXPECT_EQ(lines_of(odd, text_detect), (std::vector<std::wstring>{L"a\uFFFD"}));
  EXPECT_EQ(lines_of(odd, text_detect, 4), (std::vector<std::wstring>{L"a\uFFFD"}));

  // Binary garbage reads without trouble in every encoding.
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 7919) >> 3));
  const auto g = dir.write("garbage.bin", garbage);
  for (int enc = 0; enc <= 4; ++enc) lines_of(g, enc, 7);
}

TEST(TextFile, MissingFilesAndClosedObjects) {
  temp_dir dir;
  text_file f;
  EXPECT_EQ(f.open(wide(dir.path() / "missing.txt"), text_read, text_detect), -2);
  EXPECT_FALSE(f.is_open());
  std::wstring line = L"old";
  EXPECT_EQ(f.read_line(line), -1);
  EXPECT_TRUE(line.empty());
  EXPECT_EQ(f.write_text(L"x"), -2);
  EXPECT_EQ(f.open(wide(dir.path() / "no" / "such" / "dir.txt"), text_write, text_utf8), -2);
  EXPECT_EQ(f.open(wide(dir.path()), text_read, text_detect), -2);  // a folder is no text file
  EXPECT_EQ(f.open(wide(dir.path()), text_write, text_utf8), -2);
  EXPECT_EQ(f.close(), 0);
  EXPECT_EQ(f.close(), 0);

  std::wstring text = L"stale";
  EXPECT_FALSE(read_whole_file(wide(dir.path() / "missing.txt"), text));
  EXPECT_TRUE(text.empty());
}

TEST(TextFile, ReadWholeFileJoinsLinesAndHandlesLongLines) {
  temp_dir dir;
  std::wstring text;
  ASSERT_TRUE(read_whole_file(wide(dir.write("a.txt", "one\r\ntwo\r\n\r\nthree\r\n")), text));
  EXPECT_EQ(text, L"one\ntwo\n\nthree");

  // A line of over a million characters in UTF-16BE, then a short one.
  const std::wstring long_line((1 << 20) + 123, L'\u00E9');
  written(dir, long_line + L"\nend", text_utf16be);
  ASSERT_TRUE(read_whole_file(wide(dir.path() / "out.txt"), text));
  EXPECT_EQ(text, long_line + L"\nend");
  const auto lines = lines_of(dir.path() / "out.txt", text_utf16be, 100);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), long_line.size());
}

TEST(TextFile, UnicodeFileNames) {
  temp_dir dir;
  const std::wstring name = wide(dir.path()) + L"/\u00E9t\u00E9 \u20AC.txt";
  text_file f;
  ASSERT_EQ(f.open(name, text_write, text_utf8), 0);
  f.write_text(L"ok");
  f.close();
  std::wstring text;
  ASSERT_TRUE(read_whole_file(name, text));
  EXPECT_EQ(text, L"ok");
}

TEST(ReadWholeFileUtf8Default, PlainUtf8IsUtf8AndLatin1StaysAnsi) {
  temp_dir dir;
  std::wstring text;
  // UTF-8 without a mark: read as UTF-8, where plain detection takes it as ANSI.
  const auto utf8 = dir.write("utf8.txt", "caf\xC3\xA9\r\nx");
  ASSERT_TRUE(read_whole_file_utf8_default(wide(utf8), text));
  EXPECT_EQ(text, L"caf\u00E9\nx");
  ASSERT_TRUE(read_whole_file(wide(utf8), text));
  EXPECT_EQ(text, L"caf\u00C3\u00A9\nx");
  // Windows-1252 bytes that are not UTF-8 stay ANSI.
  const auto ansi = dir.write("ansi.txt", "caf\xE9 \x80");
  ASSERT_TRUE(read_whole_file_utf8_default(wide(ansi), text));
  EXPECT_EQ(text, L"caf\u00E9 \u20AC");
  // A mark decides as usual.
  const auto le = dir.write("le.txt", std::string("\xFF\xFE"
                                                  "a\0",
                                                  4));
  ASSERT_TRUE(read_whole_file_utf8_default(wide(le), text));
  EXPECT_EQ(text, L"a");
  EXPECT_FALSE(read_whole_file_utf8_default(wide(dir.path() / "missing.txt"), text));
}

}  // namespace
}  // namespace tabulon

namespace tabulon {
namespace {

TEST(WriteWholeFile, WritesTheTextAndSaysWhyWhenItCannot) {
  testing::temp_dir dir;
  const std::wstring file = from_native((dir.path() / "out.txt").string());
  EXPECT_TRUE(write_whole_file(file, L"a\nb", text_utf8).ok());
  EXPECT_EQ(testing::read_bytes(dir.path() / "out.txt"), "a\r\nb");
  EXPECT_TRUE(write_whole_file(file, L"\u00e9", text_utf8 | text_keep_lf, true).ok());
  EXPECT_EQ(testing::read_bytes(dir.path() / "out.txt"), "\xEF\xBB\xBF\xC3\xA9");

  const std::wstring missing = from_native((dir.path() / "no" / "out.txt").string());
  const status failed = write_whole_file(missing, L"x", text_utf8);
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.message(),
            L"cannot open \"" + missing + L"\" for writing: No such file or directory");
}

}  // namespace
}  // namespace tabulon
