#pragma once
// The ANSI code page: Windows-1252, by a table of our own so that pages and
// files come out the same on every system.

namespace tabulon {

// The character of a Windows-1252 byte. The five bytes the code page leaves
// undefined (81 8D 8F 90 9D) map to U+0081 etc., so every byte survives.
wchar_t ansi_decode(unsigned char byte);

// The Windows-1252 byte of `c`, or -1 when the code page lacks it.
int ansi_encode(wchar_t c);

}  // namespace tabulon
