#include "base/text_file_writer.h"

#include "platform/ansi_code_page.h"

namespace tabulon {

namespace {

// The code point at text[i], combining a surrogate pair; advances i past it.
char32_t next_code_point(std::wstring_view text, size_t& i) {
  const char32_t c = static_cast<char32_t>(text[i++]);
  if (is_high_surrogate(c) && i < text.size()) {
    const char32_t low = static_cast<char32_t>(text[i]);
    if (is_low_surrogate(low)) {
      ++i;
      return combined_surrogates(c, low);
    }
  }
  return c;
}

}  // namespace

int TextFileWriter::write_chars(std::wstring_view, bool*) {
  return -2;
}

int TextFileWriter::flush() {
  if (count_ > 0 && file_) {
    if (std::fwrite(buffer_.data(), 1, count_, file_) != count_) failed_ = true;
  }
  // The buffer is emptied even after a failure so that a full disk cannot grow it.
  count_ = 0;
  return status();
}

// ---- ANSI ----

int ANSI_TextFileWriter::write_chars(std::wstring_view text, bool* used_default) {
  for (size_t i = 0; i < text.size();) {
    const size_t start = i;
    next_code_point(text, i);  // a surrogate pair is one character: one "?"
    const int b = (i - start == 1) ? ansi_encode(text[start]) : -1;
    if (b < 0) {
      put('?');
      if (used_default) *used_default = true;
    } else {
      put(static_cast<unsigned char>(b));
    }
  }
  return status();
}

// ---- UTF-8 ----

int UTF8_TextFileWriter::write_chars(std::wstring_view text, bool*) {
  for (size_t i = 0; i < text.size();) {
    char32_t cp = next_code_point(text, i);
    if (cp >= 0xDC80 && cp <= 0xDCFF) {
      put(static_cast<unsigned char>(cp - 0xDC00));  // a byte kept from reading
      continue;
    }
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacementCharacter;
    if (cp < 0x80) {
      put(static_cast<unsigned char>(cp));
    } else if (cp < 0x800) {
      put(static_cast<unsigned char>(0xC0 | (cp >> 6)));
      put(static_cast<unsigned char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      put(static_cast<unsigned char>(0xE0 | (cp >> 12)));
      put(static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F)));
      put(static_cast<unsigned char>(0x80 | (cp & 0x3F)));
    } else {
      put(static_cast<unsigned char>(0xF0 | (cp >> 18)));
      put(static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F)));
      put(static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F)));
      put(static_cast<unsigned char>(0x80 | (cp & 0x3F)));
    }
  }
  return status();
}

int UTF8_TextFileWriter::write_bom() {
  put(0xEF);
  put(0xBB);
  put(0xBF);
  return status();
}

// ---- UTF-16 ----

int UTF16LE_TextFileWriter::write_chars(std::wstring_view text, bool*) {
  for (const wchar_t c : text) {
    char32_t cp = static_cast<char32_t>(c);
    if (cp > 0x10FFFF) cp = kReplacementCharacter;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      put_unit(0xD800 + (cp >> 10));
      put_unit(0xDC00 + (cp & 0x3FF));
    } else {
      put_unit(cp);  // lone surrogates too: they came from the file like this
    }
  }
  return status();
}

int UTF16LE_TextFileWriter::write_bom() {
  put_unit(0xFEFF);
  return status();
}

}  // namespace tabulon
