// Feeds arbitrary bytes to the text readers: detection and every encoding,
// line by line and character by character, with small and default buffers.
// Checks the properties the readers promise: no crash, no endless loop, and a
// lossless UTF-8 round trip of whatever the UTF-8 reader produced.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/text_file.h"
#include "base/wide_string.h"

namespace {

std::string scratch_path() {
  static const std::string path = "/tmp/fuzz_text_readers_" + std::to_string(getpid());
  return path;
}

void write_bytes(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tabulon;
  const std::string path = scratch_path();
  write_bytes(path, data, size);
  const std::wstring wpath = from_native(path);

  for (int enc = text_detect; enc <= text_utf8; ++enc) {
    for (size_t buffer : {size_t{0}, size_t{5}}) {
      text_file f;
      if (f.open(wpath, text_read, enc | (size & 1 ? text_keep_bom : 0), buffer) != 0) {
        std::abort();
      }
      size_t lines = 0;
      std::wstring line, all;
      while (f.read_line(line) == 0) {
        if (++lines > size + 1) std::abort();  // every line consumes at least one byte
        all += line;
      }
      // Whatever the UTF-8 reader made of the bytes goes back to the same bytes.
      if (enc == text_utf8 && lines == 1 && buffer == 0) {
        const std::string raw(reinterpret_cast<const char*>(data), size);
        if (raw.find('\n') == std::string::npos && raw.find('\r') == std::string::npos &&
            !(size & 1)) {
          const bool has_bom = raw.compare(0, 3, "\xEF\xBB\xBF") == 0;
          if (wide_to_utf8(all) != raw.substr(has_bom ? 3 : 0)) std::abort();
        }
      }
    }
    text_file c;
    c.open(wpath, text_read, enc, 4);
    size_t chars = 0;
    while (c.read_char() >= 0) {
      if (++chars > size) std::abort();
    }
  }
  std::wstring whole;
  if (!read_whole_file(wpath, whole)) std::abort();
  return 0;
}
