#include "base/wide_string.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(WideString, Utf8RoundTripKeepsInvalidBytes) {
  const std::string names[] = {"plain.txt",
                               "caf\xC3\xA9",
                               "\xFF\xFE odd",
                               "\xC3",
                               "\xED\xA0\x80",
                               "\xF0\x9F\x98\x80 emoji",
                               "\xE0\x80\xAF overlong"};
  for (const auto& n : names) EXPECT_EQ(wide_to_utf8(utf8_to_wide(n)), n);
  EXPECT_EQ(utf8_to_wide("caf\xC3\xA9"), L"caf\u00E9");
  EXPECT_EQ(utf8_to_wide("\xFF"), std::wstring(1, wchar_t(0xDC80 + 0x7F)));
}

TEST(WideString, UpperChangesOnlyAsciiLetters) {
  EXPECT_EQ(upper_ascii(L"abc\u00E9xyz1"), L"ABC\u00E9XYZ1");
}

TEST(WideString, ReplaceAllDoesNotRescan) {
  std::wstring s = L"aaa";
  EXPECT_EQ(replace_all(s, L"a", L"aa"), 3u);
  EXPECT_EQ(s, L"aaaaaa");
  s = L"%%DIR and %%DIR";
  replace_all(s, L"%%DIR", L"x");
  EXPECT_EQ(s, L"x and x");
}

TEST(WideString, AtoiTakesLeadingDigits) {
  EXPECT_EQ(wide_atoi(L"12abc"), 12);
  EXPECT_EQ(wide_atoi(L"  -7"), -7);
  EXPECT_EQ(wide_atoi(L"abc"), 0);
  EXPECT_EQ(wide_atoi(L"99999999999999"), 2147483647);
}

}  // namespace
}  // namespace tabulon

namespace tabulon {
namespace {

TEST(WideStringAppendUtf8, AddsToTheTextWithTheSameDecodingAsUtf8ToWide) {
  std::wstring text = L"kept ";
  append_utf8_as_wide(text, "caf\xC3\xA9 \xFF\xF0\x9F\x98\x80");
  EXPECT_EQ(text, L"kept " + utf8_to_wide("caf\xC3\xA9 \xFF\xF0\x9F\x98\x80"));
  EXPECT_EQ(text.substr(5, 6), L"caf\u00e9 " + std::wstring(1, wchar_t(0xDCFF)));
  // A sequence cut off at the end of the bytes escapes each of its bytes.
  std::wstring cut;
  append_utf8_as_wide(cut, "\xE6\x97");
  EXPECT_EQ(cut, std::wstring({wchar_t(0xDCE6), wchar_t(0xDC97)}));
}

}  // namespace
}  // namespace tabulon
