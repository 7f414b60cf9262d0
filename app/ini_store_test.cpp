#include "app/ini_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/wide_string.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::read_bytes;
using testing::temp_dir;
using testing::wide;

ini_store parsed(std::wstring_view text) {
  ini_store store;
  store.section = L"TABULON";
  store.parse(text);
  return store;
}

TEST(IniStoreParse, LinesAreTakenAsTheyStand) {
  ini_store s = parsed(
      L"stray=before any section\n"
      L"[TABULON]\n"
      L"quoted=\"a b\"\n"
      L"one_quote=\"\n"
      L"inner=x\"y\"\n"
      L"spaced = value \n"
      L"eq=a=b\n"
      L"no equals sign here\n"
      L"dup=first\n"
      L"[OTHER]\n"
      L"k=v\n"
      L" [INDENTED]\n"
      L"still_other=1\n"
      L"[TABULON]\n"
      L"dup=second");
  EXPECT_EQ(s.entries[L""][L"stray"], L"before any section");
  const ini_section& t = s.entries[L"TABULON"];
  EXPECT_EQ(t.at(L"quoted"), L"a b");
  EXPECT_EQ(t.at(L"one_quote"), L"\"");
  EXPECT_EQ(t.at(L"inner"), L"x\"y\"");
  EXPECT_EQ(t.at(L"spaced "), L" value ");
  EXPECT_EQ(t.at(L"eq"), L"a=b");
  EXPECT_EQ(t.at(L"dup"), L"second") << "a section met twice is one section; later lines win";
  EXPECT_EQ(t.size(), 6u);
  EXPECT_EQ(s.entries[L"OTHER"][L"k"], L"v");
  EXPECT_EQ(s.entries[L"OTHER"][L"still_other"], L"1") << "an indented line starts no section";
  EXPECT_EQ(s.entries.size(), 3u);
}

TEST(IniStoreLookups, MissingKeysStoreTheirDefault) {
  ini_store s = parsed(L"[TABULON]\nflag=true\nyes=TRUE\nnum=42abc\nneg=-7\nword=x");
  EXPECT_FALSE(s.get_bool(L"flag", true)) << "only the exact text TRUE is true";
  EXPECT_TRUE(s.get_bool(L"yes", false));
  EXPECT_EQ(s.get_int(L"num", 0), 42);
  EXPECT_EQ(s.get_int(L"neg", 0), -7);
  EXPECT_EQ(s.get_int(L"word", 5), 0);
  EXPECT_EQ(s.get_int(L"absent_int", -12), -12);
  EXPECT_TRUE(s.get_bool(L"absent_bool", true));
  EXPECT_EQ(s.get_string(L"absent_text", L"dflt"), L"dflt");
  const ini_section& t = s.entries[L"TABULON"];
  EXPECT_EQ(t.at(L"absent_int"), L"-12");
  EXPECT_EQ(t.at(L"absent_bool"), L"TRUE");
  EXPECT_EQ(t.at(L"absent_text"), L"dflt");
  EXPECT_EQ(s.get_string(L"absent_text", L"other"), L"dflt") << "the stored default is kept";

  EXPECT_EQ(s.get_string(L"k", L"d", L"ELSEWHERE"), L"d");
  EXPECT_TRUE(s.has(L"k", L"ELSEWHERE"));
  EXPECT_FALSE(s.has(L"k"));
  s.remove(L"k", L"ELSEWHERE");
  s.remove(L"never_there");
  EXPECT_FALSE(s.has(L"k", L"ELSEWHERE"));
}

TEST(IniStoreText, KeysAreWrittenInUtf16OrderAndQuotedValuesSurvive) {
  ini_store s;
  s.section = L"TABULON";
  s.set_string(L"b", L"2");
  s.set_string(L"a", L"1");
  s.set_string(L"B", L"upper sorts first");
  s.set_string(L"\U0001F600", L"above U+FFFF");  // sorts as its surrogate pair D83D
  s.set_string(L"\uFF21", L"fullwidth A");       // FF21 sorts after D83D
  s.set_string(L"path", L"\"C:\\Program Files\\x.exe\"");
  s.set_string(L"A", L"", L"AAA");
  const std::wstring text = s.to_text();
  EXPECT_EQ(
      text,
      L"[AAA]\nA=\n[TABULON]\nB=upper sorts first\na=1\nb=2\n"
      L"path=\"\"C:\\Program Files\\x.exe\"\"\n\U0001F600=above U+FFFF\n\uFF21=fullwidth A\n");
  ini_store back = parsed(text);
  EXPECT_EQ(back.entries, s.entries);
}

TEST(IniStoreFile, SaveWritesUtf8WithBomAndCrLfAndKeepsUnknownKeys) {
  temp_dir dir;
  const auto file =
      dir.write("a.init", "[TABULON]\r\nunknown_key=kept\r\nfile_spec=*.txt\r\nlone=a\rb\r\r\n");
  ini_store s;
  ASSERT_TRUE(s.load(wide(file), L"TABULON"));
  s.set_string(L"file_spec", L"*.doc;\u00e9t\u00e9");
  ASSERT_TRUE(s.save());
  EXPECT_EQ(read_bytes(file),
            "\xEF\xBB\xBF[TABULON]\r\nfile_spec=*.doc;\xC3\xA9t\xC3\xA9\r\nlone=a\rb\r\r\n"
            "unknown_key=kept\r\n");
  // Nothing but the file itself is left in the folder.
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(IniStoreFile, SavingThroughALinkReplacesTheLinkedFileAndKeepsItsMode) {
  temp_dir dir;
  const auto real = dir.write("real.init", "[TABULON]\nk=old\n");
  std::filesystem::permissions(
      real, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const auto link = dir.path() / "link.init";
  std::filesystem::create_symlink(real, link);
  ini_store s;
  ASSERT_TRUE(s.load(wide(link), L"TABULON"));
  s.set_string(L"k", L"new");
  ASSERT_TRUE(s.save());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(read_bytes(real), "\xEF\xBB\xBF[TABULON]\r\nk=new\r\n");
  EXPECT_EQ(std::filesystem::status(real).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(IniStoreFile, EveryEncodingReadsTheSame) {
  temp_dir dir;
  const std::string utf8 =
      "[TABULON]\r\ntitle=Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\r\nrecursive_build=TRUE\r\n";
  auto utf16 = [&](bool big_endian) {
    const std::wstring w = utf8_to_wide(utf8);
    std::string out = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : w) {
      std::u16string units;
      const auto cp = static_cast<char32_t>(c);
      if (cp > 0xFFFF) {
        units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
        units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
      } else {
        units += static_cast<char16_t>(cp);
      }
      for (char16_t u : units) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += big_endian ? std::string{hi, lo} : std::string{lo, hi};
      }
    }
    return out;
  };
  const std::string variants[] = {"\xEF\xBB\xBF" + utf8, utf8, utf16(false), utf16(true)};
  ini_store first;
  for (size_t i = 0; i < std::size(variants); ++i) {
    const auto file = dir.write("v" + std::to_string(i) + ".init", variants[i]);
    ini_store s;
    ASSERT_TRUE(s.load(wide(file), L"TABULON"));
    EXPECT_EQ(s.get_string(L"title", L""), L"Caf\u00e9 \u20ac \U0001F600") << "variant " << i;
    if (i == 0) {
      first = s;
    } else {
      EXPECT_EQ(s.entries, first.entries) << "variant " << i;
    }
  }
  // A file that is not valid UTF-8 and has no mark is Windows-1252.
  const auto ansi = dir.write("ansi.init", "[TABULON]\ntitle=Caf\xE9 \x80\n");
  ini_store s;
  ASSERT_TRUE(s.load(wide(ansi), L"TABULON"));
  EXPECT_EQ(s.get_string(L"title", L""), L"Caf\u00e9 \u20ac");
}

TEST(IniStoreFile, FailuresAreReportedAndLoseNothing) {
  temp_dir dir;
  ini_store s;
  std::wstring error;
  s.set_string(L"left", L"over");
  EXPECT_FALSE(s.load(wide(dir.path() / "missing.init"), L"TABULON", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(s.entries.empty());
  EXPECT_EQ(s.get_int(L"x", 3), 3);

  EXPECT_FALSE(s.save(wide(dir.path() / "no_such_folder" / "a.init"), &error));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "no_such_folder"));

  // A target that cannot be replaced keeps what it was, and no temporary remains.
  const auto blocked = dir.mkdir("blocked.init");
  dir.write("blocked.init/inside", "x");
  EXPECT_FALSE(s.save(wide(blocked), &error));
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(IniStoreFile, BadInputNeverBreaksTheStore) {
  temp_dir dir;
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 7919) & 0xFF));
  std::string long_line = "[TABULON]\nlong=" + std::string(1 << 20, 'x') + "\n[\n[]\n=\n";
  const std::string inputs[] = {
      garbage,
      "\xFF\xFE[\0T\0=\0",                  // UTF-16LE cut inside a unit
      "\xFE\xFF\0[\xD8",                    // UTF-16BE ending in half a surrogate
      "\xEF\xBB\xBF[TABULON]\nk=\xF0\x9F",  // UTF-8 cut inside a sequence
      long_line,
      "",
  };
  for (size_t i = 0; i < std::size(inputs); ++i) {
    const auto file = dir.write("bad" + std::to_string(i), inputs[i]);
    ini_store s;
    EXPECT_TRUE(s.load(wide(file), L"TABULON")) << i;
    EXPECT_EQ(s.get_int(L"surely_absent", 9), 9);
    // Whatever was read is written back and read again unchanged.
    ASSERT_TRUE(s.save(wide(dir.path() / "out.init"))) << i;
    ini_store again;
    ASSERT_TRUE(again.load(wide(dir.path() / "out.init"), L"TABULON"));
    EXPECT_EQ(again.entries, s.entries) << i;
  }
  ini_store s;
  s.load(wide(dir.write("long.init", long_line)), L"TABULON");
  EXPECT_EQ(s.get_string(L"long", L"").size(), 1u << 20);
  EXPECT_EQ(s.entries.at(L"").count(L""), 1u) << "\"[]\" names the empty section";
}

}  // namespace
}  // namespace tabulon
