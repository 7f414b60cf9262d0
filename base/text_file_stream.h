#pragma once
// What the text file readers and writers share: the open file they work on,
// the byte buffer between it and the text, and the arithmetic of UTF-16
// surrogate pairs.

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace tabulon {

// U+FFFD, written or read in place of what cannot be encoded or decoded.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool is_high_surrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool is_low_surrogate(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}
// The code point of a high surrogate followed by a low one.
constexpr char32_t combined_surrogates(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

class TextFileStream {
 public:
  // `file` is not owned; `buffer_size` 0 means 4096 bytes, and at least 4
  // are used (one UTF-8 sequence or two UTF-16 units).
  TextFileStream(std::FILE* file, size_t buffer_size)
      : file_(file), buffer_(buffer_size == 0 ? 4096 : std::max<size_t>(buffer_size, 4)) {}
  virtual ~TextFileStream() = default;
  TextFileStream(const TextFileStream&) = delete;
  TextFileStream& operator=(const TextFileStream&) = delete;

 protected:
  std::FILE* file_;
  std::vector<unsigned char> buffer_;
  size_t count_ = 0;  // bytes in the buffer
  bool failed_ = false;
};

// The big-endian twin of a UTF-16LE reader or writer, which keeps the byte
// order in `big_endian_`.
template <class LittleEndian>
class BigEndian : public LittleEndian {
 public:
  BigEndian(std::FILE* file, size_t buffer_size) : LittleEndian(file, buffer_size) {
    this->big_endian_ = true;
  }
};

}  // namespace tabulon
