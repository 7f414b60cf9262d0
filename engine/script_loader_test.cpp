#include "engine/script_loader.h"

#include <gtest/gtest.h>

#include <set>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

std::wstring folder_of(const testing::temp_dir& dir) {
  return from_native(dir.path().string()) + L"/";
}

script_template from_text(std::wstring_view text, uint32_t seed = 1) {
  script_template s;
  load_script_text(s, text, L"/nowhere/", L"/nowhere/", seed);
  return s;
}

TEST(ScriptLoader, LineEndsCommentsAndHeaders) {
  const std::string lf =
      "ignored before any header\n/HEAD\n<meta a>\n// gone\n/head\n\n/START\n<body>\n"
      "//also gone\n/HEAD\nmore head\n/HEAD \n/FILE_ROW_START\ndropped\n/START\nx\n";
  std::string crlf;
  for (const char c : lf) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  testing::temp_dir dir;
  dir.write("lf.txt", lf);
  dir.write("crlf.txt", crlf);
  script_template a;
  script_template b;
  load_script(a, folder_of(dir) + L"lf.txt", L"/nowhere/");
  load_script(b, folder_of(dir) + L"crlf.txt", L"/nowhere/");
  EXPECT_EQ(a.sections, b.sections);
  // "/head" and "/HEAD " are content; later headers add to the section.
  EXPECT_EQ(a[sec::head], L"<meta a>\n/head\n\nmore head\n/HEAD \n");
  EXPECT_EQ(a[sec::start], L"<body>\nx");
  EXPECT_EQ(a.folder, folder_of(dir));
  // "//" as a whole line is a comment, but a single "/" line is content.
  EXPECT_EQ(from_text(L"/END\n/\n//")[sec::end], L"/");
}

TEST(ScriptLoader, StorageKinds) {
  script_template s = from_text(
      L"/HEAD\n\n/START\n\n/BODYHEADER\na\n\r\r\nb\n/TABLEHEADER\n\r\r\nt\n\n"
      L"/FOLDER_HREF_APPEND\nclass=x\n/FILE_HREF_APPEND\n style\n"
      L"/FOLDER_FILE_LINK\nindex\n.html\n/FILE_TD\nclass=td\n/SIZE_TD2\nkeep\n/SIZE_TD\nsz");
  EXPECT_EQ(s[sec::head], L"\n");  // one empty line, stored as lines
  EXPECT_EQ(s[sec::start], L"");   // one empty line, trimmed
  EXPECT_EQ(s[sec::bodyheader], L"a\nb\n");
  EXPECT_EQ(s[sec::tableheader], L"t\n");
  EXPECT_EQ(s[sec::folder_href_append], L" class=x");
  EXPECT_EQ(s[sec::file_href_append], L" style");
  EXPECT_EQ(s[sec::folder_file_link], L"index.html");
  EXPECT_EQ(s[sec::file_td2], L"class=td");  // copied from /FILE_TD
  EXPECT_EQ(s[sec::size_td2], L"keep");      // already set: not copied
  EXPECT_EQ(s[sec::folder_td2], L"");
}

TEST(ScriptLoader, RandomColours) {
  const script_template s =
      from_text(L"/HEAD\n%%RANDOM_COLOR% %%RANDOM_COLOR%\n%%RANDOM_COLOR%", 12345);
  const std::wstring& head = s[sec::head];
  ASSERT_EQ(head.size(), 7u + 1 + 7 + 1 + 7 + 1);
  EXPECT_EQ(head.substr(0, 7), head.substr(8, 7));
  EXPECT_NE(head.substr(0, 7), head.substr(16, 7));
  // No component ever reaches ff, over many draws.
  std::wstring many;
  for (int i = 0; i < 2000; ++i) many += L"%%RANDOM_COLOR%\n";
  const std::wstring colours = from_text(L"/HEAD\n" + many, 7)[sec::head];
  std::set<std::wstring> seen;
  for (size_t i = 0; i + 8 <= colours.size(); i += 8) {
    ASSERT_EQ(colours[i], L'#');
    for (size_t k = 1; k < 7; k += 2) {
      const std::wstring part = colours.substr(i + k, 2);
      EXPECT_NE(part, L"ff");
      EXPECT_EQ(part.find_first_not_of(L"0123456789abcdef"), std::wstring::npos);
    }
    seen.insert(colours.substr(i, 7));
  }
  EXPECT_GT(seen.size(), 1900u);
}

TEST(ScriptLoader, MatchFilesFromScriptFolderAndFullPath) {
  testing::temp_dir dir;
  testing::temp_dir other;
  dir.write("m.txt",
            "// comment\nbefore any rule\n/*.jpg|*.gif\n<b>\n\n</b>\n/\nlost\n/*.TXT\nt\n");
  other.write("n.txt", "/*.doc\nd");
  dir.write("s.txt", "/FILE_MATCHES_TD\nm.txt\n" + other.path().string() + "/n.txt\n" +
                         "missing.txt\n\n/FOLDER_MATCHES_A\nm.txt\n");
  script_template s;
  load_script(s, folder_of(dir) + L"s.txt", L"/nowhere/");
  const auto& td = s[match_list::file_matches_td];
  ASSERT_EQ(td.size(), 3u);
  EXPECT_EQ(td[0].pattern, L"*.JPG|*.GIF");
  EXPECT_EQ(td[0].code, L"<b>\n</b>");
  EXPECT_EQ(td[1].pattern, L"*.TXT");
  EXPECT_EQ(td[1].code, L"t");
  EXPECT_EQ(td[2].pattern, L"*.DOC");
  EXPECT_EQ(s[match_list::folder_matches_a].size(), 2u);
}

TEST(ScriptLoader, NamesResolveInTheProgramFolder) {
  testing::temp_dir dir;
  dir.write("Scripts/s.txt", "/FILE_MATCHES_A\nm.txt\n/START\nok\n");
  dir.write("Scripts/m.txt", "/*\nall");
  script_template s;
  load_script(s, L"Scripts\\s.txt", folder_of(dir));
  EXPECT_EQ(s[sec::start], L"ok");
  ASSERT_EQ(s[match_list::file_matches_a].size(), 1u);
  EXPECT_EQ(s.folder, folder_of(dir) + L"Scripts/");
  std::vector<match_rule> rules;
  load_match_file(rules, L"Scripts\\m.txt\r\n", folder_of(dir));
  EXPECT_EQ(rules.size(), 1u);
  // Loading again starts from nothing; an empty name leaves everything empty.
  load_script(s, L"", folder_of(dir));
  EXPECT_EQ(s[sec::start], L"");
  EXPECT_TRUE(s[match_list::file_matches_a].empty());
  EXPECT_EQ(s.folder, L"");
  load_script(s, L"missing.txt", folder_of(dir));
  EXPECT_EQ(s[sec::start], L"");
}

TEST(ScriptLoader, FileTableElements) {
  script_template s = from_text(L"/FILE_TD\nf\n/FOLDER_TD\nold\n/TABLEHEADER\nth");
  script_template unchanged = s;
  apply_file_table_elements(unchanged, false);
  EXPECT_EQ(unchanged.sections, s.sections);
  apply_file_table_elements(s, true);
  EXPECT_EQ(s[sec::folder_td], L"f");
  EXPECT_EQ(s[sec::anchor_table_td], L"f");
  EXPECT_EQ(s[sec::folder_td2], L"f");  // the copied /FILE_TD2
  EXPECT_EQ(s[sec::anchor_table_header], L"th");
  EXPECT_EQ(s[sec::folder_table_row], L"");  // copied even when empty
}

TEST(ScriptLoader, BadInputNeverFails) {
  std::wstring garbage;
  uint32_t x = 99;
  for (int i = 0; i < 100000; ++i) {
    x = x * 1103515245u + 12345u;
    garbage.push_back(static_cast<wchar_t>((x >> 8) % 0x11000));
  }
  script_template s = from_text(L"/HEAD\n" + garbage);
  EXPECT_FALSE(s[sec::head].empty());

  // Binary files, also behind each byte order mark, load as some text.
  testing::temp_dir bin;
  std::string bytes;
  for (int i = 0; i < 65536; ++i) bytes.push_back(static_cast<char>((i * 7919) ^ (i >> 3)));
  for (const std::string bom : {"", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"}) {
    bin.write("bin.txt", bom + "/HEAD\n" + bytes);
    load_script(s, folder_of(bin) + L"bin.txt", L"/nowhere/");
    EXPECT_EQ(s.folder, folder_of(bin));
  }

  // A 1 MB match file of one line: one rule without code, or no rule at all.
  testing::temp_dir dir;
  dir.write("rule.txt", "/" + std::string(1 << 20, 'a'));
  dir.write("code.txt", std::string(1 << 20, 'a'));
  std::vector<match_rule> rules;
  load_match_file(rules, folder_of(dir) + L"rule.txt", L"/nowhere/");
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].pattern, std::wstring(1 << 20, L'A'));
  EXPECT_EQ(rules[0].code, L"");
  load_match_file(rules, folder_of(dir) + L"code.txt", L"/nowhere/");
  EXPECT_EQ(rules.size(), 1u);
}

}  // namespace
}  // namespace tabulon
