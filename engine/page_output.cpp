#include "engine/page_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/build_settings.h"
#include "base/text_file_writer.h"
#include "base/wide_string.h"
#include "platform/file_open.h"

namespace tabulon {

namespace {

// A text writer that keeps its bytes instead of sending them to a file: the
// text is fed in slices small enough never to fill the buffer, and the buffer
// is emptied into the caller's string after each slice.
template <class Writer>
class capture_writer : public Writer {
 public:
  static constexpr size_t kBuffer = 1 << 16;
  static constexpr size_t kSlice = kBuffer / 8;  // at most 4 bytes per character

  capture_writer() : Writer(nullptr, kBuffer) {}

  void encode(std::wstring_view text, std::string& out) {
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find(L'\n', start);
      const bool line_end = end != std::wstring_view::npos;
      if (!line_end) end = text.size();
      write_piece(text.substr(start, end - start), out);
      if (line_end) write_piece(L"\r\n", out);
      start = end + (line_end ? 1 : 0);
    }
  }
  void bom(std::string& out) {
    this->write_bom();
    take(out);
  }

 private:
  void write_piece(std::wstring_view piece, std::string& out) {
    while (!piece.empty()) {
      size_t n = piece.size() < kSlice ? piece.size() : kSlice;
      // Never split a surrogate pair (UTF-16 wide text).
      if (n < piece.size() && piece[n - 1] >= 0xD800 && piece[n - 1] <= 0xDBFF) --n;
      this->write_chars(piece.substr(0, n));
      take(out);
      piece.remove_prefix(n);
    }
  }
  void take(std::string& out) {
    out.append(reinterpret_cast<const char*>(this->buffer_.data()), this->count_);
    this->count_ = 0;
  }
};

void encode_text(int32_t charset, std::wstring_view text, std::string& out) {
  switch (charset) {
    case charset_ansi: {
      capture_writer<ANSI_TextFileWriter> w;
      w.encode(text, out);
      break;
    }
    case charset_utf16le: {
      capture_writer<UTF16LE_TextFileWriter> w;
      w.encode(text, out);
      break;
    }
    default: {
      capture_writer<UTF8_TextFileWriter> w;
      w.encode(text, out);
      break;
    }
  }
}

}  // namespace

page_output::page_output(int32_t charset) : charset_(charset) {
  unit_ = charset == charset_utf16le ? 2 : 1;
  clear();
}

void page_output::clear() {
  bytes_.clear();
  if (charset_ == charset_utf16le) {
    capture_writer<UTF16LE_TextFileWriter> w;
    w.bom(bytes_);
  }
}

void page_output::append(std::wstring_view text) {
  encode_text(charset_, text, bytes_);
}

std::string page_output::encode(std::wstring_view text) const {
  std::string out;
  encode_text(charset_, text, out);
  return out;
}

size_t page_output::find(std::string_view needle, size_t from) const {
  for (;;) {
    const size_t at = bytes_.find(needle, from);
    if (at == std::string::npos || at % unit_ == 0) return at;
    from = at + 1;
  }
}

bool page_output::contains(std::wstring_view marker) const {
  return find(encode(marker), 0) != std::string::npos;
}

size_t page_output::replace_all(std::wstring_view marker, std::wstring_view replacement) {
  const std::string needle = encode(marker);
  if (needle.empty()) return 0;
  size_t at = find(needle, 0);
  if (at == std::string::npos) return 0;
  const std::string with = encode(replacement);
  std::string result;
  result.reserve(bytes_.size());
  size_t from = 0;
  size_t count = 0;
  while (at != std::string::npos) {
    result.append(bytes_, from, at - from);
    result += with;
    from = at + needle.size();
    ++count;
    at = find(needle, from);
  }
  result.append(bytes_, from, std::string::npos);
  bytes_.swap(result);
  return count;
}

bool page_output::write_to(const std::wstring& path, std::wstring* error) const {
  std::FILE* file = open_file(path, "wb");
  if (!file) {
    if (error)
      *error = L"cannot open \"" + path + L"\" for writing: " + utf8_to_wide(std::strerror(errno));
    return false;
  }
  const bool written = std::fwrite(bytes_.data(), 1, bytes_.size(), file) == bytes_.size();
  const int saved = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    if (error)
      *error = L"cannot write \"" + path + L"\": " +
               utf8_to_wide(std::strerror(written ? errno : saved));
    return false;
  }
  return true;
}

}  // namespace tabulon
