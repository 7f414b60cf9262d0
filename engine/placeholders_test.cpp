#include "engine/placeholders.h"

#include <gtest/gtest.h>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::wide;

build_settings page_settings() {
  build_settings s;
  s.charset = charset_utf8;
  s.replace_latin_chars = 1;
  s.path = L"/srv/www/photos";
  s.program_folder = L"/opt/tabulon/";
  return s;
}

TEST(Placeholders, TitleDirAndFolder) {
  build_settings s = page_settings();
  EXPECT_EQ(expand_title(s, L""), L"");
  EXPECT_EQ(expand_title(s, L"Index of %%DIR (%%FOLDER)"), L"Index of /srv/www/photos (photos)");
  s.path = L"/srv/a&b <x>";
  EXPECT_EQ(expand_title(s, L"%%DIR|%%FOLDER"), L"/srv/a&amp;b &lt;x&gt;|a&b &lt;x&gt;");
  s.path = L"/srv/a%20b";
  EXPECT_EQ(expand_title(s, L"%%DIR"), L"/srv/a b");
}

TEST(Placeholders, EntryPlaceholdersInOrder) {
  const build_settings s = page_settings();
  const auto entry = make_file_entry(L"caf\u00E9 & co.txt", make_entry_folder(L"/srv/www/a/"));
  EXPECT_EQ(expand_file_placeholders(s, L"", *entry, L"/srv/www", L"../"), L"");
  EXPECT_EQ(
      expand_file_placeholders(s, L"[%%FNAME%][%%NO_EXT_FNAME%][%%F]", *entry, L"/srv/www", L""),
      L"[caf\u00E9 &amp; co.txt][caf\u00E9 &amp; co][caf%C3%A9 &amp; co.txt]");
  EXPECT_EQ(expand_file_placeholders(s, L"%%F_PATH|%%F_PATH_2SLASH%", *entry, L"/srv/www", L""),
            L"/a/caf\u00E9 & co.txt|//a//caf\u00E9 & co.txt");
  EXPECT_EQ(expand_file_placeholders(s, L"%%ROOT_FOLDER%|%%DIR|%%2SLASHDIR%|%%2FSLASHDIR%", *entry,
                                     L"/srv/www", L"../../"),
            L"../../|/srv/www/photos|//srv//www//photos//|//srv//www//photos//");
  // "%%F" is expanded inside any longer placeholder still present.
  EXPECT_EQ(expand_file_placeholders(s, L"%%FOLDER", *entry, L"", L""),
            L"caf%C3%A9 &amp; co.txtOLDER");
  // A root of "/" removes nothing from the folder path.
  EXPECT_EQ(expand_file_placeholders(s, L"%%F_PATH", *entry, L"/", L""),
            L"/srv/www/a/caf\u00E9 & co.txt");
}

TEST(Placeholders, EntryNamesCannotInjectMarkup) {
  const build_settings s = page_settings();
  const std::wstring name = L"\"><img src=x>" + std::wstring(1, wchar_t(0xDCFF));
  const auto entry = make_file_entry(name, make_entry_folder(L"/d\"/"));
  const std::wstring out = expand_file_placeholders(
      s, L"%%FNAME%%%NO_EXT_FNAME%%%F_PATH%%F_PATH_2SLASH%%%F", *entry, L"", L"");
  EXPECT_EQ(out.find_first_of(L"<>\""), std::wstring::npos) << out;
  EXPECT_NE(out.find(L"%FF"), std::wstring::npos);       // the byte itself, in link forms
  EXPECT_NE(out.find(L"&#65533;"), std::wstring::npos);  // a stand-in, in text forms
}

TEST(Placeholders, Columns) {
  std::wstring t = L"<td colspan=\"%%COLUMNS-1%\">%%COLUMNS%</td>";
  expand_columns(t, 4);
  EXPECT_EQ(t, L"<td colspan=\"3\">4</td>");
  t = L"%%COLUMNS-12% %%COLUMNS %%COLUMNSx% %%COLUMNS-2";
  expand_columns(t, 4);
  EXPECT_EQ(t, L"-8 %%COLUMNS %%COLUMNSx% %%COLUMNS-2");
  t = L"%%COLUMNS%%%COLUMNS%";
  expand_columns(t, 7);
  EXPECT_EQ(t, L"77");
}

TEST(Placeholders, TakeFileMarker) {
  std::wstring t = L"a %%FILEhead.htm% b %%FILEx%";
  EXPECT_EQ(take_file_marker(t, file_marker_percent), L"head.htm");
  EXPECT_EQ(t, L"a %%FILZ b %%FILEx%");
  t = L"x ~~FILEn.txt~ y";
  EXPECT_EQ(take_file_marker(t, file_marker_tilde), L"n.txt");
  EXPECT_EQ(t, L"x ~~FILZ y");
  t = L"no marker";
  EXPECT_EQ(take_file_marker(t, file_marker_percent), L"");
  EXPECT_EQ(t, L"no marker");
  t = L"open %%FILEname without end";
  EXPECT_EQ(take_file_marker(t, file_marker_percent), L"name without end");
  EXPECT_EQ(t, L"open %%FILZ");
}

TEST(Placeholders, IncludedFileLookup) {
  testing::temp_dir page;
  testing::temp_dir scripts;
  testing::temp_dir program;
  page.write("a.htm", "page\r\nA");
  scripts.write("a.htm", "script A");
  scripts.write("b.htm", "script B");
  program.write("b.htm", "program B");
  program.write("c.htm", "program C");
  page.write("sub/d.htm", "sub D");
  build_settings s = page_settings();
  s.script.folder = wide(scripts.path()) + L"/";
  s.program_folder = wide(program.path()) + L"/";
  const std::wstring folder = wide(page.path());
  EXPECT_EQ(read_included_file(s, L"a.htm", folder), L"page\nA");
  EXPECT_EQ(read_included_file(s, L"b.htm", folder), L"script B");
  EXPECT_EQ(read_included_file(s, L"c.htm", folder), L"program C");
  EXPECT_EQ(read_included_file(s, L"c.htm", L""), L"program C");
  EXPECT_EQ(read_included_file(s, L"sub\\d.htm", folder), L"sub D");
  EXPECT_EQ(read_included_file(s, folder + L"/sub/d.htm", L"/elsewhere"), L"sub D");
  EXPECT_EQ(read_included_file(s, L"missing.htm", folder), L"");
  EXPECT_EQ(read_included_file(s, L"", folder), L"");
  EXPECT_EQ(read_included_file(s, L"sub", folder), L"");  // a folder reads as nothing
}

TEST(Placeholders, FileMarkersNestAndEnd) {
  testing::temp_dir page;
  page.write("outer.htm", "(%%FILEinner.htm%)");
  page.write("inner.htm", "in");
  page.write("self.htm", "x%%FILEself.htm%");
  page.write("two.htm", "%%FILEtwo.htm%%%FILEtwo.htm%");
  build_settings s = page_settings();
  const std::wstring folder = wide(page.path());
  std::wstring t = L"<%%FILEouter.htm%> %%FILEmissing.htm%.";
  expand_file_markers(s, t, folder);
  EXPECT_EQ(t, L"<(in)> .");
  t = L"%%FILEself.htm%";
  expand_file_markers(s, t, folder);
  EXPECT_EQ(t, std::wstring(kMaxInclusionDepth, L'x'));
  t = L"%%FILEtwo.htm%";
  expand_file_markers(s, t, folder);  // doubling at every level still ends
  EXPECT_EQ(t, L"");
  // A marker completed by what an inclusion leaves behind is expanded too.
  t = L"%%FI%%FILEmissing.htm%LEinner.htm%";
  expand_file_markers(s, t, folder);
  EXPECT_EQ(t, L"in");
  t = L"end %%FILEinner.htm";
  expand_file_markers(s, t, folder);
  EXPECT_EQ(t, L"end in");
}

TEST(Placeholders, TildeInclusionsOfAnEntry) {
  testing::temp_dir page;
  build_settings s = page_settings();
  s.path = wide(page.path());
  page.write("a/notes.txt.htm", "notes of ~~FILEname.htm~");
  page.write("name.htm", "%%FNAME%");
  page.write("loop.htm", "~~FILEloop.htm~~~FILEloop.htm~");
  const auto entry = make_file_entry(L"notes.txt", make_entry_folder(s.path + L"/a/"));
  // A full folder path loses the root folder, keeping its separator.
  std::wstring t = L"[~~FILE%%FOLDER%%RELATIVE_PATH%%FNAME%.htm~]";
  include_files(s, t, *entry, s.path);
  EXPECT_EQ(t, L"[notes of %%FNAME%]");
  // Below the base folder of a one-page build the path loses its leading "/".
  page.write("b/x.htm", "bx");
  const auto below = make_file_entry(L"x", make_entry_folder(L"/b/"));
  t = L"~~FILE%%RELATIVE_PATH%%NO_EXT_FNAME%.htm~";
  include_files(s, t, *below, L"");
  EXPECT_EQ(t, L"bx");
  t = L"~~FILEloop.htm~ and ~~FILEunclosed";
  include_files(s, t, *entry, s.path);
  EXPECT_EQ(t, L" and ");
}

}  // namespace
}  // namespace tabulon
