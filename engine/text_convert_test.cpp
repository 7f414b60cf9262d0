#include "engine/text_convert.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

build_settings utf8_page() {
  build_settings s;
  s.charset = charset_utf8;
  s.replace_latin_chars = 1;
  return s;
}

build_settings ansi_page() {
  build_settings s = utf8_page();
  s.charset = charset_ansi;
  return s;
}

TEST(TextConvertHref, EscapesEachSpecialCharacterOnce) {
  const build_settings s = utf8_page();
  EXPECT_EQ(escape_href(s, L"a b#c;d%e&f.txt"), L"a%20b%23c%3Bd%25e&amp;f.txt");
  // A "%" that the conversion itself produced is never escaped again.
  EXPECT_EQ(escape_href(s, L"%20"), L"%2520");
  EXPECT_EQ(escape_href(s, L"&amp;"), L"&amp;amp%3B");
  // Words that a marker-based conversion would misread stay as they are.
  EXPECT_EQ(escape_href(s, L"tperZdnt XRR0915X"), L"tperZdnt%20XRR0915X");
}

TEST(TextConvertHref, NamesCannotBreakTheLinkOrInjectMarkup) {
  const build_settings s = utf8_page();
  EXPECT_EQ(escape_href(s, L"a\"><script>?.txt"), L"a%22%3E%3Cscript%3E%3F.txt");
#ifndef _WIN32
  EXPECT_EQ(escape_href(s, L"a\\b"), L"a%5Cb");
#endif
  // Bytes that are not UTF-8 link to the file's own bytes.
  EXPECT_EQ(escape_href(s, std::wstring(L"x") + wchar_t(0xDCFF)), L"x%FF");
  // A tab or line break in a name cannot split the attribute.
  EXPECT_EQ(escape_href(s, L"a\tb\nc\x7F"), L"a%09b%0Ac%7F");
  // UTF-8 pages carry every character; ANSI pages get the UTF-8 bytes.
  EXPECT_EQ(escape_href(s, L"\u0416.txt"), L"\u0416.txt");
  EXPECT_EQ(escape_href(ansi_page(), L"\u0416.txt"), L"%D0%96.txt");
  EXPECT_EQ(escape_href(ansi_page(), L"\u00E9\u20AC"), L"\u00E9\u20AC");
}

TEST(TextConvertText, EscapesMarkupAndUncarriedCharacters) {
  const build_settings s = utf8_page();
  EXPECT_EQ(escape_amp(s, L"R&D <b>\"x\""), L"R&amp;D &lt;b&gt;&quot;x&quot;");
  EXPECT_EQ(escape_amp(s, std::wstring(L"a") + wchar_t(0xDC80)), L"a&#65533;");
  EXPECT_EQ(escape_amp(ansi_page(), L"\u0416\u00E9"), L"&#1046;\u00E9");
  EXPECT_EQ(protect_markup(s, L"a&b\"<", false), L"a&b&quot;&lt;");
  EXPECT_EQ(protect_markup(s, std::wstring(1, wchar_t(0xDCE9)), true), L"%E9");
  EXPECT_EQ(protect_markup(s, std::wstring(1, wchar_t(0xDCE9)), false), L"&#65533;");
}

TEST(TextConvertLatin, ThreeTablesAndTheSoftHyphen) {
  EXPECT_EQ(latin_to_url_table(L"\u00E9", true), L"%C3%A9");
  EXPECT_EQ(latin_to_url_table(L"\u00E9", false), L"%E9");
  EXPECT_EQ(latin_to_url_table(L"\u00A1\u00FF", true), L"%C2%A1%C3%BF");
  EXPECT_EQ(latin_to_url_table(L"\u00A1\u00FF", false), L"%A1%FF");
  build_settings s = utf8_page();
  EXPECT_EQ(latin_to_url(s, L"caf\u00E9"), L"caf%C3%A9");
  EXPECT_EQ(latin_to_entities(s, L"caf\u00E9"), L"caf&#233;");
  EXPECT_EQ(latin_to_entities(s, L"\u00A1\u00FF\u00A0"), L"&#161;&#255;\u00A0");
  const std::wstring shy(1, wchar_t(0xAD));
  EXPECT_EQ(latin_to_url_table(shy, true), shy);
  EXPECT_EQ(latin_to_url_table(shy, false), shy);
  EXPECT_EQ(latin_to_entities(s, shy), shy);
  // On POSIX a link always names the UTF-8 bytes of the file, whatever the page.
  build_settings ansi = ansi_page();
#ifdef _WIN32
  EXPECT_EQ(latin_to_url(ansi, L"\u00E9"), L"%E9");
#else
  EXPECT_EQ(latin_to_url(ansi, L"\u00E9"), L"%C3%A9");
#endif
  s.replace_latin_chars = 0;
  EXPECT_EQ(latin_to_url(s, L"\u00E9"), L"\u00E9");
  EXPECT_EQ(latin_to_entities(s, L"\u00E9"), L"\u00E9");
}

TEST(TextConvertTypographic, FiveEntities) {
  EXPECT_EQ(typographic_entities(L"\u20AC\u2019\u2018\u201C\u201D-"),
            L"&euro;&rsquo;&lsquo;&ldquo;&rdquo;-");
}

TEST(TextConvertNames, LinkTextAndStem) {
  const build_settings s = utf8_page();
  EXPECT_EQ(link_text_of(s, L"r\u00E9sum\u00E9 & co.txt"), L"r%C3%A9sum%C3%A9 &amp; co.txt");
  EXPECT_EQ(link_text_of(s, std::wstring(L"b") + wchar_t(0xDCFE)), L"b%FE");
  EXPECT_EQ(stem_of(s, L"a&b.tar.gz"), L"a&amp;b.tar");
  EXPECT_EQ(stem_of(s, L"README"), L"README");
  EXPECT_EQ(stem_of(s, L".profile"), L"");
}

TEST(TextConvertShorten, KeepsBothEnds) {
  EXPECT_EQ(shorten_middle(L"abcdefghijklmnop", 10), L"abcde...op");
  EXPECT_EQ(shorten_middle(L"abcdefghij", 10), L"abcdefghij");
  EXPECT_EQ(shorten_middle(L"abcdefghijklmnop", 4), L"abcde...op");
  EXPECT_EQ(shorten_middle(L"abcdefghijklmnop", 0), L"abcdefghijklmnop");
  EXPECT_EQ(shorten_middle(L"abcdefghijklmnop", 11).size(), 11u);
  EXPECT_EQ(shorten_middle(L"abcdefghijklmnop", 11), L"abcde...nop");
}

TEST(TextConvertColumnGroup, AlternatesAndFillsEmptyColumns) {
  build_settings s;
  EXPECT_EQ(column_group(s, L"", L"", 3), L"");
  s.doctype = doctype_html_401_transitional;
  EXPECT_EQ(column_group(s, L"<col class=a>", L"", 3),
            L"<colgroup><col class=a><col><col class=a></colgroup>\n");
  s.doctype = doctype_xhtml_strict;
  EXPECT_EQ(column_group(s, L"", L"<col class=b />", 2),
            L"<colgroup><col /><col class=b /></colgroup>\n");
}

TEST(TextConvertDirDisplay, PosixPathsAreShownAsTheyAre) {
  build_settings s;
  s.program_folder = L"/opt/tabulon/";
#ifndef _WIN32
  EXPECT_EQ(dir_display(s, L"/:odd/x"), L"/:odd/x");
#else
  s.program_folder = L"C:\\prog\\";
  EXPECT_EQ(dir_display(s, L"C:\\web"), L"\\web");
  EXPECT_EQ(dir_display(s, L"D:\\web"), L"D:\\web");
#endif
}

// The one-pass row forms must give exactly what the two-step conversions give,
// for every charset and both Latin settings, on names that exercise each
// branch: markup, percent specials, controls, Latin-1, the soft hyphen,
// characters ANSI lacks, astral characters and stray file-name bytes.
TEST(TextConvertAppend, SameAsTheTwoStepConversions) {
  const std::wstring names[] = {
      L"",
      L"plain-name_1.txt",
      L"a b;c#d%e&f<g>h\"i?j\\k",
      std::wstring(L"tab\there\nline\x7F") + L"\x01",
      L"caf\u00E9 na\u00EFve \u00A1\u00AD\u00FF\u00A0\u00BF",
      L"\u20AC \u2019quote\u201D \u65E5\u672C \u0153",
      std::wstring(L"astral ") + static_cast<wchar_t>(0x1F600) + L" end",
      std::wstring(L"bad ") + static_cast<wchar_t>(0xDC80 + 0xE9) + static_cast<wchar_t>(0xDCFF) +
          L" byte",
      std::wstring(1, static_cast<wchar_t>(0xD800)) + L"lone surrogate",
  };
  for (const int32_t charset : {charset_ansi, charset_utf8, charset_utf16le}) {
    for (const int32_t latin : {0, 1}) {
      build_settings s;
      s.charset = charset;
      s.replace_latin_chars = latin;
      for (const std::wstring& name : names) {
        SCOPED_TRACE(testing::Message() << "charset " << charset << " latin " << latin);
        std::wstring target = L"prefix/";
        append_link_target(target, s, name);
        EXPECT_EQ(target, L"prefix/" + latin_to_url(s, escape_href(s, name)));
        std::wstring text = L">";
        append_link_text(text, s, name);
        const std::wstring amp = escape_amp(s, name);
        EXPECT_EQ(text, L">" + (latin ? latin_to_entities(s, amp) : amp));
      }
    }
  }
}

TEST(TextConvertEscapeMarkup, TheFourMarkupCharactersAndNothingElse) {
  EXPECT_EQ(escape_markup(L"a&b<c>\"d'"), L"a&amp;b&lt;c&gt;&quot;d'");
  // Entities already present are escaped again: the text is taken as plain.
  EXPECT_EQ(escape_markup(L"&amp;"), L"&amp;amp;");
  // Characters beyond ASCII pass unchanged whatever the charset.
  EXPECT_EQ(escape_markup(L"\u00e9\u65e5"), L"\u00e9\u65e5");
  EXPECT_EQ(escape_markup(L""), L"");
}

}  // namespace
}  // namespace tabulon
