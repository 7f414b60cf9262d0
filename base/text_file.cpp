#include "base/text_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "base/wide_string.h"
#include "platform/file_open.h"
#include "platform/native_path.h"

namespace tabulon {

namespace {

// The reader or writer of `encoding`; `Other` for a code of no encoding.
template <class Base, class Ansi, class Utf16le, class Utf16be, class Utf8, class Other>
std::unique_ptr<Base> make_for_encoding(int encoding, std::FILE* f, size_t buffer_size) {
  switch (encoding) {
    case text_ansi:
      return std::make_unique<Ansi>(f, buffer_size);
    case text_utf16le:
      return std::make_unique<Utf16le>(f, buffer_size);
    case text_utf16be:
      return std::make_unique<Utf16be>(f, buffer_size);
    case text_utf8:
      return std::make_unique<Utf8>(f, buffer_size);
    default:
      return std::make_unique<Other>(f, buffer_size);
  }
}

// A code of no encoding reads as an empty file and writes as ANSI.
std::unique_ptr<TextFileReader> make_reader(int encoding, std::FILE* f, size_t buffer_size) {
  return make_for_encoding<TextFileReader, ANSI_TextFileReader, UTF16LE_TextFileReader,
                           UTF16BE_TextFileReader, UTF8_TextFileReader, TextFileReader>(
      encoding, f, buffer_size);
}
std::unique_ptr<TextFileWriter> make_writer(int encoding, std::FILE* f, size_t buffer_size) {
  return make_for_encoding<TextFileWriter, ANSI_TextFileWriter, UTF16LE_TextFileWriter,
                           UTF16BE_TextFileWriter, UTF8_TextFileWriter, ANSI_TextFileWriter>(
      encoding, f, buffer_size);
}

// Length of the byte order mark of `encoding` at the start of `b`, or 0.
size_t mark_length(int encoding, const unsigned char* b, size_t n) {
  switch (encoding) {
    case text_utf16le:
      return n >= 2 && b[0] == 0xFF && b[1] == 0xFE ? 2 : 0;
    case text_utf16be:
      return n >= 2 && b[0] == 0xFE && b[1] == 0xFF ? 2 : 0;
    case text_utf8:
      return n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF ? 3 : 0;
    default:
      return 0;
  }
}

}  // namespace

int text_file::open(std::wstring_view file_path, int open_mode, int encoding_and_options,
                    size_t size) {
  close();
  path = file_path;
  mode = open_mode;
  encoding = encoding_and_options & 0xFF;
  options = encoding_and_options & ~0xFF;
  buffer_size = size;

  if (mode == text_read) {
    handle = open_file(path, "rb");
    if (!handle) return text_os_error;
    // The first bytes are read once and handed to the reader, so detection
    // needs no seeking and works on any file the system can read.
    unsigned char first[3];
    const size_t n = std::fread(first, 1, sizeof first, handle);
    if (n == 0 && std::ferror(handle)) {
      close();
      return text_os_error;
    }
    size_t skip = 0;
    if (encoding < text_ansi || encoding > text_utf8) {
      if (n == 0) {
        encoding = text_detect;  // empty file: the plain reader gives no lines
      } else {
        encoding = text_ansi;
        for (int e : {text_utf16le, text_utf16be, text_utf8}) {
          if (const size_t len = mark_length(e, first, n)) {
            encoding = e;
            skip = len;
            break;
          }
        }
      }
    } else if (!(options & text_keep_bom)) {
      skip = mark_length(encoding, first, n);
    }
    reader = make_reader(encoding, handle, buffer_size);
    reader->start_with(first, n, skip);
    return text_ok;
  }

  if (mode != text_write && mode != text_append) return text_os_error;
  if (encoding < text_ansi || encoding > text_utf8) encoding = text_ansi;
  handle = open_file(path, mode == text_write ? "wb" : "ab");
  if (!handle) return text_os_error;
  bom_pending = true;
  if (mode == text_append) {
    // A mark belongs only at the very start of a file.
    if (std::fseek(handle, 0, SEEK_END) != 0 || std::ftell(handle) != 0) bom_pending = false;
  }
  writer = make_writer(encoding, handle, buffer_size);
  return text_ok;
}

int text_file::read_line(std::wstring& line) {
  if (!reader) {
    line.clear();
    return text_end;
  }
  return reader->read_line(line);
}

int text_file::read_char() {
  return reader ? reader->read_char() : text_end;
}

int text_file::write_text(std::wstring_view text, bool* used_default) {
  if (!writer) return text_os_error;
  if (bom_pending) {
    bom_pending = false;
    if (encoding != text_utf8 || write_utf8_bom) writer->write_bom();
  }
  if (options & text_keep_lf) return writer->write_chars(text, used_default);
  size_t start = 0;
  for (size_t lf = text.find(L'\n'); lf != std::wstring_view::npos; lf = text.find(L'\n', start)) {
    writer->write_chars(text.substr(start, lf - start), used_default);
    writer->write_chars(L"\r\n");
    start = lf + 1;
  }
  return writer->write_chars(text.substr(start), used_default);
}

int text_file::close() {
  int result = text_ok;
  if (writer) {
    bom_pending = false;
    result = writer->flush();
  }
  reader.reset();
  writer.reset();
  if (handle) {
    if (std::fclose(handle) != 0 && mode != text_read) result = text_os_error;
    handle = nullptr;
  }
  return result;
}

bool read_whole_file(std::wstring_view file_path, std::wstring& text) {
  return read_whole_file(file_path, text, text_detect, nullptr);
}

bool read_whole_file(std::wstring_view file_path, std::wstring& text, int encoding, int* detected) {
  text.clear();
  text_file file;
  if (file.open(file_path, text_read, encoding) != text_ok) return false;
  if (detected) *detected = file.encoding;
  // One allocation up front: a file never has more characters than bytes.
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(to_fs_path(file_path), ec);
  if (!ec && bytes < (uintmax_t{1} << 32)) text.reserve(static_cast<size_t>(bytes));
  std::wstring line;
  bool first = true;
  while (file.read_line(line) == text_ok) {
    if (!first) text.push_back(L'\n');
    text.append(line);
    first = false;
  }
  return true;
}

bool read_whole_file_utf8_default(std::wstring_view file_path, std::wstring& text) {
  int encoding = text_detect;
  if (!read_whole_file(file_path, text, text_detect, &encoding)) return false;
  if (encoding != text_ansi) return true;
  std::wstring utf8;
  if (!read_whole_file(file_path, utf8, text_utf8, nullptr)) return true;
  // The UTF-8 reader keeps a byte of an invalid sequence as U+DC80 + byte:
  // such a file is not UTF-8 after all and stays as read in ANSI.
  for (wchar_t c : utf8)
    if (c >= 0xDC80 && c <= 0xDCFF) return true;
  text.swap(utf8);
  return true;
}

status write_whole_file(const std::wstring& path, std::wstring_view text, int encoding_and_options,
                        bool write_utf8_bom) {
  text_file file(write_utf8_bom);
  errno = 0;
  if (file.open(path, text_write, encoding_and_options) != text_ok) {
    return status::from_errno(L"open", path, L"for writing", errno);
  }
  errno = 0;
  const bool written = file.write_text(text) == text_ok;
  // close() flushes: a full disk may show only there.
  if (file.close() != text_ok || !written) return status::from_errno(L"write", path, L"", errno);
  return {};
}

}  // namespace tabulon
