#include "engine/page_output.h"

#include <algorithm>
#include <memory>

#include "base/build_settings.h"
#include "base/text_file_writer.h"
#include "platform/file_replace.h"

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

template <class Writer>
using writer_ptr = std::unique_ptr<capture_writer<Writer>>;

// Whether `text` holds "%%" or "INSERT_" starting within [begin, end): the
// start of every marker of the page's final replacements.
bool holds_marker_start(std::wstring_view text, size_t begin, size_t end) {
  for (size_t i = begin; i < end; ++i) {
    const wchar_t c = text[i];
    if ((c == L'%' && i + 1 < text.size() && text[i + 1] == L'%') ||
        (c == L'I' && text.substr(i, 7) == L"INSERT_"))
      return true;
  }
  return false;
}

// Encodes text[begin, end) character by character: ASCII goes straight into
// `out` through a small buffer (the same bytes in every charset, one byte per
// character or, in UTF-16LE, the byte and a zero); every other character goes
// through the writer. Returns whether a marker may start in the range.
template <class Writer, bool kTwoBytes>
bool encode_range(std::wstring_view text, size_t begin, size_t end, std::string& out,
                  writer_ptr<Writer>& writer) {
  constexpr size_t kMostPerChar = kTwoBytes ? 4 : 2;  // a line end takes two units
  char buffer[4096] = {};
  size_t used = 0;
  bool marker = false;
  size_t i = begin;
  while (i < end) {
    const wchar_t c = text[i];
    if (static_cast<uint32_t>(c) < 0x80) {
      if (used + kMostPerChar > sizeof buffer) {
        out.append(buffer, used);
        used = 0;
      }
      if (c == L'\n') {
        buffer[used++] = '\r';
        if (kTwoBytes) buffer[used++] = '\0';
      } else if ((c == L'%' || c == L'I') && holds_marker_start(text, i, i + 1)) {
        marker = true;
      }
      buffer[used++] = static_cast<char>(c);
      if (kTwoBytes) buffer[used++] = '\0';
      ++i;
      continue;
    }
    size_t other = i;
    while (other < end && static_cast<uint32_t>(text[other]) >= 0x80) ++other;
    out.append(buffer, used);
    used = 0;
    if (!writer) writer = std::make_unique<capture_writer<Writer>>();
    writer->encode(text.substr(i, other - i), out);
    i = other;
  }
  out.append(buffer, used);
  return marker;
}

// Encodes `text`; returns whether it may hold a marker of the final
// replacements. Single-byte charsets take blocks that are all ASCII (the
// bulk of any page) in bulk: narrowed in one loop, line ends and markers
// found with byte searches. Other blocks, and UTF-16LE, go character by
// character.
template <class Writer, bool kTwoBytes>
bool encode_with(std::wstring_view text, std::string& out) {
  writer_ptr<Writer> writer;
  if (kTwoBytes) return encode_range<Writer, true>(text, 0, text.size(), out, writer);
  constexpr size_t kBlock = 4096;
  char block[kBlock];
  bool marker = false;
  const size_t size = text.size();
  for (size_t i = 0; i < size;) {
    const size_t n = std::min(kBlock, size - i);
    uint32_t seen = 0;
    for (size_t k = 0; k < n; ++k) {
      const uint32_t c = static_cast<uint32_t>(text[i + k]);
      seen |= c;
      block[k] = static_cast<char>(c);
    }
    if (seen >= 0x80) {
      marker = encode_range<Writer, false>(text, i, i + n, out, writer) || marker;
      i += n;
      continue;
    }
    const std::string_view bytes(block, n);
    if (!marker) {
      // A marker may also begin in the block's last characters and run on
      // into the next block.
      marker = bytes.find("%%") != std::string_view::npos ||
               bytes.find("INSERT_") != std::string_view::npos ||
               holds_marker_start(text, i + n - std::min<size_t>(n, 6), i + n);
    }
    size_t from = 0;
    for (;;) {
      const size_t line_end = bytes.find('\n', from);
      if (line_end == std::string_view::npos) {
        out.append(block + from, n - from);
        break;
      }
      out.append(block + from, line_end - from);
      out.append("\r\n", 2);
      from = line_end + 1;
    }
    i += n;
  }
  return marker;
}

bool encode_text(int32_t charset, std::wstring_view text, std::string& out) {
  switch (charset) {
    case charset_ansi:
      return encode_with<ANSI_TextFileWriter, false>(text, out);
    case charset_utf16le:
      return encode_with<UTF16LE_TextFileWriter, true>(text, out);
    default:
      return encode_with<UTF8_TextFileWriter, false>(text, out);
  }
}

// Whether `marker` is one that encode_with watches for.
bool is_watched_marker(std::wstring_view marker) {
  return marker.starts_with(L"%%") || marker.starts_with(L"INSERT_");
}

}  // namespace

page_output::page_output(int32_t charset) : charset_(charset) {
  unit_ = charset == charset_utf16le ? 2 : 1;
  clear();
}

void page_output::clear() {
  chunks_.clear();
  may_hold_marker_.clear();
  if (charset_ == charset_utf16le) {
    capture_writer<UTF16LE_TextFileWriter> w;
    chunks_.emplace_back();
    w.bom(chunks_.back());
    may_hold_marker_.push_back(false);
  }
}

void page_output::append(std::wstring_view text) {
  if (text.empty()) return;
  std::string bytes;
  bytes.reserve(text.size() * unit_ + text.size() / 16 + 64);  // room for the "\r" of line ends
  const bool marker = encode_text(charset_, text, bytes);
  if (bytes.capacity() > bytes.size() + bytes.size() / 4) bytes.shrink_to_fit();
  chunks_.push_back(std::move(bytes));
  may_hold_marker_.push_back(marker);
}

std::string page_output::encode(std::wstring_view text) const {
  std::string out;
  encode_text(charset_, text, out);
  return out;
}

std::string page_output::bytes() const {
  std::string all;
  all.reserve(size());
  for (const std::string& chunk : chunks_) all += chunk;
  return all;
}

size_t page_output::size() const {
  size_t n = 0;
  for (const std::string& chunk : chunks_) n += chunk.size();
  return n;
}

size_t page_output::find(const std::string& chunk, std::string_view needle, size_t from) const {
  for (;;) {
    const size_t at = chunk.find(needle, from);
    if (at == std::string::npos || at % unit_ == 0) return at;
    from = at + 1;
  }
}

bool page_output::contains(std::wstring_view marker) const {
  const std::string needle = encode(marker);
  const bool watched = is_watched_marker(marker);
  for (size_t k = 0; k < chunks_.size(); ++k) {
    if (watched && !may_hold_marker_[k]) continue;
    if (find(chunks_[k], needle, 0) != std::string::npos) return true;
  }
  return false;
}

size_t page_output::replace_all(std::wstring_view marker, std::wstring_view replacement) {
  const std::string needle = encode(marker);
  if (needle.empty()) return 0;
  std::string with;
  bool encoded = false;
  size_t count = 0;
  const bool watched = is_watched_marker(marker);
  for (size_t k = 0; k < chunks_.size(); ++k) {
    if (watched && !may_hold_marker_[k]) continue;
    std::string& chunk = chunks_[k];
    size_t at = find(chunk, needle, 0);
    if (at == std::string::npos) continue;
    if (!encoded) {
      with = encode(replacement);
      encoded = true;
    }
    // Chunks are small (a few hundred rows), so rebuilding one is cheap.
    std::string result;
    result.reserve(chunk.size());
    size_t from = 0;
    while (at != std::string::npos) {
      result.append(chunk, from, at - from);
      result += with;
      from = at + needle.size();
      ++count;
      at = find(chunk, needle, from);
    }
    result.append(chunk, from, std::string::npos);
    chunk.swap(result);
    may_hold_marker_[k] = true;  // the replacement may carry markers of its own
  }
  return count;
}

status page_output::write_to(const std::wstring& path, const open_folder* folder) const {
  return write_page_file(path, chunks_, folder);
}

status write_page_file(const std::wstring& path, std::span<const std::string> chunks,
                       const open_folder* folder) {
  return replace_file(path, chunks, folder).result;
}

}  // namespace tabulon
