#pragma once
// Readers of text files: one class per encoding over an open file handle.
// A reader turns the file's bytes into wide text, line by line or character
// by character. The handle belongs to the text_file that made the reader.
//
// Every read returns 0 (or, for read_char, the character) on success, -1 at
// the end of the file and -2 for an operating-system error. A read error in
// read_line counts as the end of the file: what was read so far is the last
// line.
//
// Lines: bytes (or 16-bit units) up to the next line feed, which is consumed
// and not stored; one carriage return directly before it, or at the very end
// of the file, is dropped; other carriage returns stay. The last line needs no
// line feed. Lines have no length limit.
//
// Invalid input never fails a read and loses as little as possible:
// - UTF-8: a byte that is not part of a valid sequence becomes U+DC80 + byte,
//   the same escape file names use, so the UTF-8 writer gives the byte back.
// - UTF-16: a surrogate pair becomes one code point; a lone surrogate is kept
//   as its own unit value (the UTF-16 writers write it back unchanged); an odd
//   byte at the end of the file becomes U+FFFD.
// - ANSI (Windows-1252): every byte has a character, so nothing is lost.

#include <cstddef>
#include <string>

#include "base/text_file_stream.h"

namespace tabulon {

// The reader of an empty file, and the reading every reader shares.
class TextFileReader : public TextFileStream {
 public:
  using TextFileStream::TextFileStream;

  // The next character with every carriage return skipped; -1 at the end,
  // -2 on a read error.
  virtual int read_char() { return -1; }
  // Replaces `line` with the next line; 0 for a line, -1 when nothing was left.
  virtual int read_line(std::wstring& line) {
    line.clear();
    return -1;
  }

  // Hands the reader the first `n` (at most 4) bytes of the file, already read
  // by the caller, and skips `skip` of them (a byte order mark).
  void start_with(const unsigned char* bytes, size_t n, size_t skip);

 protected:
  // The next byte, -1 at the end, -2 on a read error.
  int next_byte();
  // The bytes of the next line without its line end; false when none was left.
  bool read_byte_line(std::string& out);
  // The next 16-bit unit, -1 at the end (an odd last byte gives U+FFFD), -2 on error.
  int next_unit(bool big_endian);
  // The next 16-bit unit without consuming it (same results as next_unit).
  int peek_unit(bool big_endian);
  // True when bytes are left in the buffer, reading more when none are.
  bool fill();
  // Reads what follows into the buffer behind its first `kept` bytes; false
  // when nothing came (the end of the file, or a read error, kept in failed_).
  bool read_more(size_t kept);

  size_t pos_ = 0;  // read position in the buffer
  bool at_end_ = false;
};

class ANSI_TextFileReader : public TextFileReader {
 public:
  using TextFileReader::TextFileReader;
  int read_char() override;
  int read_line(std::wstring& line) override;
};

class UTF8_TextFileReader : public TextFileReader {
 public:
  using TextFileReader::TextFileReader;
  int read_char() override;
  int read_line(std::wstring& line) override;

 private:
  std::wstring pending_;  // characters of a sequence decoded but not yet returned
  size_t pending_pos_ = 0;
};

class UTF16LE_TextFileReader : public TextFileReader {
 public:
  using TextFileReader::TextFileReader;
  int read_char() override;
  int read_line(std::wstring& line) override;

 protected:
  bool big_endian_ = false;
};

using UTF16BE_TextFileReader = BigEndian<UTF16LE_TextFileReader>;

}  // namespace tabulon
