#include "platform/ansi_code_page.h"

namespace tabulon {

namespace {

// Bytes 80..9F; the undefined ones keep their own value so they round-trip.
constexpr wchar_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

}  // namespace

wchar_t ansi_decode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
  return static_cast<wchar_t>(byte);
}

int ansi_encode(wchar_t c) {
  const unsigned long v = static_cast<unsigned long>(c);
  if (v < 0x80 || (v >= 0xA0 && v <= 0xFF)) return static_cast<int>(v);
  for (int i = 0; i < 32; ++i) {
    if (static_cast<unsigned long>(kHigh[i]) == v) return 0x80 + i;
  }
  return -1;
}

}  // namespace tabulon
