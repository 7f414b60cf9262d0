#pragma once
// text_file: every text file tabulon reads or writes goes through one of
// these. open() picks the reader or writer for the file's encoding; in memory
// text is wide, on disk it is ANSI (Windows-1252), UTF-8, UTF-16LE or UTF-16BE.
//
// Results of the text_file members: 0 success, -1 end of file, -2 an
// operating-system error (the file cannot be opened, read or written). The
// whole-file writer below turns them into a status with the system's reason.
//
// Writing: every "\n" of the text becomes "\r\n" unless the option
// text_keep_lf is given. The byte order mark is written before the first
// text: always for UTF-16, for UTF-8 only when write_utf8_bom is set, never
// for ANSI; in append mode only when the file was empty.
//
// Reading with text_detect: FF FE is UTF-16LE, FE FF UTF-16BE, EF BB BF
// UTF-8 (the mark is skipped); anything else is read as ANSI from the first
// byte; an empty file gives no lines. With an explicit encoding its mark is
// skipped when present, unless text_keep_bom is given.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "base/status.h"
#include "base/text_file_reader.h"
#include "base/text_file_writer.h"

namespace tabulon {

// Encoding codes (the low byte of open's `encoding_and_options`).
enum text_encoding : int {
  text_detect = 0,  // detect on reading; ANSI on writing
  text_ansi = 1,
  text_utf16le = 2,
  text_utf16be = 3,
  text_utf8 = 4,
};

// Open modes.
enum text_mode : int {
  text_read = 1,    // the file must exist
  text_write = 2,   // created or emptied
  text_append = 3,  // opened or created; writing starts at its end
};

// Option bits, or-ed with the encoding code.
inline constexpr int text_keep_lf = 0x100;   // write "\n" unchanged instead of "\r\n"
inline constexpr int text_keep_bom = 0x200;  // explicit encoding: keep a leading mark as text

inline constexpr int text_ok = 0;
inline constexpr int text_end = -1;
inline constexpr int text_os_error = -2;

class text_file {
 public:
  explicit text_file(bool write_utf8_bom = false) : write_utf8_bom(write_utf8_bom) {}
  ~text_file() { close(); }
  text_file(const text_file&) = delete;
  text_file& operator=(const text_file&) = delete;

  // Opens `path` in `mode` (text_read/text_write/text_append). Returns -2 when
  // the file cannot be opened or created or its first bytes cannot be read,
  // else 0. An already open file is closed first. `buffer_size` 0 means 4096.
  int open(std::wstring_view path, int mode, int encoding_and_options, size_t buffer_size = 0);

  // Replaces `line` with the next line (without its line end); 0 for a line,
  // -1 when nothing was left or the file is not open for reading.
  int read_line(std::wstring& line);
  // The next character with carriage returns skipped; -1 at the end, -2 on error.
  int read_char();

  // Writes `text`; `used_default` (optional) is set when the ANSI conversion
  // had to put "?" for a character Windows-1252 lacks. Returns 0, or -2 when
  // the file is not open for writing or a write to the file has failed.
  int write_text(std::wstring_view text, bool* used_default = nullptr);

  // Flushes and closes; harmless when already closed. Returns 0, or -2 when
  // any write or the final flush failed (so a truncated file is noticed).
  int close();

  bool is_open() const { return handle != nullptr; }

  bool write_utf8_bom;
  std::wstring path;
  int mode = 0;
  int encoding = 0;  // after detection: the detected code
  int options = 0;
  size_t buffer_size = 0;
  bool bom_pending = false;
  int code_page = 0;  // ANSI conversions always use Windows-1252
  std::FILE* handle = nullptr;
  std::unique_ptr<TextFileReader> reader;
  std::unique_ptr<TextFileWriter> writer;
};

// Empties `text`, then reads the whole file at `path` (encoding detected) into
// it, the lines joined by "\n" with none after the last. False when the file
// cannot be opened.
bool read_whole_file(std::wstring_view path, std::wstring& text);

// As read_whole_file, with the given encoding code; `detected` (when not null)
// receives the encoding the file was read in.
bool read_whole_file(std::wstring_view path, std::wstring& text, int encoding, int* detected);

// As read_whole_file, except that a file without a byte order mark is read as
// UTF-8 when its bytes are valid UTF-8, and as ANSI otherwise. For files that
// editors on Linux save as plain UTF-8: configuration and language files.
bool read_whole_file_utf8_default(std::wstring_view path, std::wstring& text);

// Writes `text` as the whole file at `path` (created or emptied), in the
// encoding and options of text_file::open, with a UTF-8 mark when
// `write_utf8_bom` is set. Ok, or why the file could not be opened or written
// (`cannot open "x" for writing: Permission denied`).
status write_whole_file(const std::wstring& path, std::wstring_view text, int encoding_and_options,
                        bool write_utf8_bom = false);

}  // namespace tabulon
