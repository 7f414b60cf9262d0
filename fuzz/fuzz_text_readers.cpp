// Feeds arbitrary bytes to the text readers: detection and every encoding,
// line by line and character by character, with small and default buffers.
// Checks the properties the readers promise: no crash, no endless loop, and a
// lossless UTF-8 round trip of whatever the UTF-8 reader produced.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/text_file.h"
#include "base/wide_string.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tabulon;
  using fuzzing::check;
  static const fuzzing::scratch_folder dir("fuzz_text_readers");
  const std::wstring wpath =
      from_native(dir.write("in.txt", fuzzing::bytes_of(data, size)).string());

  for (int enc = text_detect; enc <= text_utf8; ++enc) {
    for (size_t buffer : {size_t{0}, size_t{5}}) {
      text_file f;
      check(f.open(wpath, text_read, enc | (size & 1 ? text_keep_bom : 0), buffer) == 0);
      size_t lines = 0;
      std::wstring line, all;
      while (f.read_line(line) == 0) {
        check(++lines <= size + 1);  // every line consumes at least one byte
        all += line;
      }
      // Whatever the UTF-8 reader made of the bytes goes back to the same bytes.
      if (enc == text_utf8 && lines == 1 && buffer == 0) {
        const std::string raw(fuzzing::bytes_of(data, size));
        if (raw.find('\n') == std::string::npos && raw.find('\r') == std::string::npos &&
            !(size & 1)) {
          const bool has_bom = raw.compare(0, 3, "\xEF\xBB\xBF") == 0;
          check(wide_to_utf8(all) == raw.substr(has_bom ? 3 : 0));
        }
      }
    }
    text_file c;
    c.open(wpath, text_read, enc, 4);
    size_t chars = 0;
    while (c.read_char() >= 0) {
      check(++chars <= size);
    }
  }
  std::wstring whole;
  check(read_whole_file(wpath, whole));
  return 0;
}
