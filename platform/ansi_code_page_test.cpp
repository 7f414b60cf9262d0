#include "platform/ansi_code_page.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(AnsiCodePage, EveryByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(ansi_encode(ansi_decode(static_cast<unsigned char>(b))), b) << b;
  }
}

TEST(AnsiCodePage, SpecialsAndMissingCharacters) {
  EXPECT_EQ(ansi_decode(0x80), L'\u20AC');
  EXPECT_EQ(ansi_decode(0x9F), L'\u0178');
  EXPECT_EQ(ansi_decode(0xE9), L'\u00E9');
  EXPECT_EQ(ansi_encode(L'\u2014'), 0x97);
  EXPECT_EQ(ansi_encode(L'\u0100'), -1);
  EXPECT_EQ(ansi_encode(L'\u0080'), -1);  // a C1 control the code page does not hold
  EXPECT_EQ(ansi_encode(static_cast<wchar_t>(0x1F600)), -1);
}

}  // namespace
}  // namespace tabulon
