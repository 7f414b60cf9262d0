#include "base/text_file_reader.h"

#include <cstring>

#include "base/wide_string.h"
#include "platform/ansi_code_page.h"

namespace tabulon {

namespace {

// Where wide text is UTF-16 a pair stays two units; elsewhere it becomes one
// code point.
void append_units(std::wstring& out, int unit, int low) {
  if constexpr (sizeof(wchar_t) == 2) {
    out.push_back(static_cast<wchar_t>(unit));
    out.push_back(static_cast<wchar_t>(low));
  } else {
    out.push_back(static_cast<wchar_t>(combined_surrogates(unit, low)));
  }
}

}  // namespace

void TextFileReader::start_with(const unsigned char* bytes, size_t n, size_t skip) {
  if (n > buffer_.size()) n = buffer_.size();
  std::memcpy(buffer_.data(), bytes, n);
  count_ = n;
  pos_ = skip < n ? skip : n;
}

bool TextFileReader::read_more(size_t kept) {
  count_ = kept;
  if (at_end_ || failed_ || !file_) return false;
  const size_t got = std::fread(buffer_.data() + kept, 1, buffer_.size() - kept, file_);
  count_ += got;
  if (got > 0) return true;
  if (std::ferror(file_)) {
    failed_ = true;
  } else {
    at_end_ = true;
  }
  return false;
}

bool TextFileReader::fill() {
  if (pos_ < count_) return true;
  pos_ = 0;
  return read_more(0);
}

int TextFileReader::next_byte() {
  if (!fill()) return failed_ ? -2 : -1;
  return buffer_[pos_++];
}

bool TextFileReader::read_byte_line(std::string& out) {
  out.clear();
  bool any = false;
  while (fill()) {
    any = true;
    const unsigned char* start = buffer_.data() + pos_;
    const size_t avail = count_ - pos_;
    const void* lf = std::memchr(start, '\n', avail);
    if (lf) {
      const size_t len = static_cast<const unsigned char*>(lf) - start;
      out.append(reinterpret_cast<const char*>(start), len);
      pos_ += len + 1;
      if (!out.empty() && out.back() == '\r') out.pop_back();
      return true;
    }
    out.append(reinterpret_cast<const char*>(start), avail);
    pos_ = count_;
  }
  // End of file (or a read error, which counts as the end) ends the last line.
  if (!out.empty() && out.back() == '\r') out.pop_back();
  return any;
}

int TextFileReader::peek_unit(bool big_endian) {
  if (!fill()) return failed_ ? -2 : -1;
  const int first = buffer_[pos_];
  if (pos_ + 1 < count_) {
    const int second = buffer_[pos_ + 1];
    return big_endian ? (first << 8) | second : first | (second << 8);
  }
  // The unit straddles the buffer end: move its first byte to the front and refill behind it.
  buffer_[0] = static_cast<unsigned char>(first);
  pos_ = 0;
  if (!read_more(1)) return kReplacementCharacter;  // an odd byte at the end
  const int second = buffer_[1];
  return big_endian ? (first << 8) | second : first | (second << 8);
}

int TextFileReader::next_unit(bool big_endian) {
  const int u = peek_unit(big_endian);
  if (u < 0) return u;
  pos_ += (count_ - pos_ >= 2) ? 2 : 1;
  return u;
}

// ---- ANSI ----

int ANSI_TextFileReader::read_char() {
  for (;;) {
    const int b = next_byte();
    if (b < 0) return b;
    if (b != '\r') return ansi_decode(static_cast<unsigned char>(b));
  }
}

int ANSI_TextFileReader::read_line(std::wstring& line) {
  line.clear();
  std::string bytes;
  if (!read_byte_line(bytes)) return -1;
  line.reserve(bytes.size());
  for (const char b : bytes) line.push_back(ansi_decode(static_cast<unsigned char>(b)));
  return 0;
}

// ---- UTF-8 ----

int UTF8_TextFileReader::read_char() {
  if (pending_pos_ < pending_.size()) return pending_[pending_pos_++];
  int b;
  do {
    b = next_byte();
    if (b < 0) return b;
  } while (b == '\r');
  if (b < 0x80) return b;
  // Gather the continuation bytes the lead byte announces and decode them
  // together, exactly as a line would be decoded.
  std::string seq(1, static_cast<char>(b));
  const size_t want = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
  while (seq.size() < want && fill() && (buffer_[pos_] & 0xC0) == 0x80) {
    seq.push_back(static_cast<char>(buffer_[pos_++]));
  }
  pending_.clear();
  pending_pos_ = 0;
  append_utf8_as_wide(pending_, seq);
  return pending_[pending_pos_++];
}

int UTF8_TextFileReader::read_line(std::wstring& line) {
  line.clear();
  std::string bytes;
  if (!read_byte_line(bytes)) return -1;
  append_utf8_as_wide(line, bytes);
  return 0;
}

// ---- UTF-16 ----

int UTF16LE_TextFileReader::read_char() {
  int u;
  do {
    u = next_unit(big_endian_);
    if (u < 0) return u;
  } while (u == '\r');
  // Where wide text is UTF-16 the pair's halves are returned one by one. The
  // end and error results (-1, -2) are no surrogates.
  if (sizeof(wchar_t) == 4 && is_high_surrogate(u)) {
    const int low = peek_unit(big_endian_);
    if (is_low_surrogate(low)) {
      next_unit(big_endian_);
      return combined_surrogates(u, low);
    }
  }
  return u;
}

int UTF16LE_TextFileReader::read_line(std::wstring& line) {
  line.clear();
  int u = next_unit(big_endian_);
  if (u < 0) return -1;  // a read error counts as the end
  for (; u >= 0; u = next_unit(big_endian_)) {
    if (u == '\n') break;
    if (is_high_surrogate(u)) {
      const int low = peek_unit(big_endian_);
      if (is_low_surrogate(low)) {
        next_unit(big_endian_);
        append_units(line, u, low);
        continue;
      }
    }
    line.push_back(static_cast<wchar_t>(u));
  }
  if (!line.empty() && line.back() == L'\r') line.pop_back();
  return 0;
}

}  // namespace tabulon
