#pragma once
// Writers of text files: one class per encoding over an open file handle.
// A writer converts wide text to the file's bytes and collects them in a
// buffer that goes to the file whenever it is full and on flush(). The
// handle belongs to the text_file that made the writer.
//
// Results: 0 on success, -2 once any write to the file has failed (the error
// is kept, the buffer is emptied all the same so memory stays bounded).
//
// Conversion:
// - UTF-8: one code point at a time (RFC 3629). A high surrogate followed by a
//   low one is combined; U+DC80..U+DCFF, the escape of a byte that was not
//   valid UTF-8 when read, is written back as that byte; any other lone
//   surrogate or value above U+10FFFF becomes U+FFFD.
// - UTF-16LE/BE: code points above U+FFFF become surrogate pairs; other values
//   (lone surrogates included) are written as one unit; above U+10FFFF U+FFFD.
// - ANSI: Windows-1252; a character it lacks becomes "?" and sets *used_default.

#include <string_view>

#include "base/text_file_stream.h"

namespace tabulon {

// The base writer writes nothing: write_char and write_chars return -2.
class TextFileWriter : public TextFileStream {
 public:
  using TextFileStream::TextFileStream;

  int write_char(wchar_t c, bool* used_default = nullptr) {
    return write_chars(std::wstring_view(&c, 1), used_default);
  }
  virtual int write_chars(std::wstring_view text, bool* used_default = nullptr);
  // Writes the encoding's byte order mark; the base and the ANSI writer write nothing.
  virtual int write_bom() { return 0; }

  // Writes the buffered bytes to the file; 0, or -2 when any write failed so far.
  int flush();
  int status() const { return failed_ ? -2 : 0; }

 protected:
  void put(unsigned char byte) {
    if (count_ == buffer_.size()) flush();
    buffer_[count_++] = byte;
  }
};

class ANSI_TextFileWriter : public TextFileWriter {
 public:
  using TextFileWriter::TextFileWriter;
  int write_chars(std::wstring_view text, bool* used_default = nullptr) override;
};

class UTF8_TextFileWriter : public TextFileWriter {
 public:
  using TextFileWriter::TextFileWriter;
  int write_chars(std::wstring_view text, bool* used_default = nullptr) override;
  int write_bom() override;
};

class UTF16LE_TextFileWriter : public TextFileWriter {
 public:
  using TextFileWriter::TextFileWriter;
  int write_chars(std::wstring_view text, bool* used_default = nullptr) override;
  int write_bom() override;

 protected:
  void put_unit(unsigned unit) {
    if (big_endian_) {
      put(static_cast<unsigned char>(unit >> 8));
      put(static_cast<unsigned char>(unit & 0xFF));
    } else {
      put(static_cast<unsigned char>(unit & 0xFF));
      put(static_cast<unsigned char>(unit >> 8));
    }
  }
  bool big_endian_ = false;
};

using UTF16BE_TextFileWriter = BigEndian<UTF16LE_TextFileWriter>;

}  // namespace tabulon
