// Feeds arbitrary bytes to the configuration store and the configuration
// reader. The first byte picks the way in:
//   even: the bytes as UTF-8 text straight into ini_store::parse, plus the
//         value decoders (font, window placement, size and date ranges);
//   odd:  the bytes as a configuration file on disk, read through the text
//         readers by read_configuration and written back by the writer.
// Checks: no crash or hang; what the store holds survives to_text() and a
// second parse unchanged; writing what was read, reading it and writing it
// again gives the same file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/config_file.h"
#include "app/font_placement.h"
#include "app/ini_store.h"
#include "base/wide_string.h"
#include "engine/range_parse.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace tabulon;
using fuzzing::check;

// A folder of its own that stands for the program folder; removed at exit.
const fuzzing::scratch_folder& scratch() {
  static const fuzzing::scratch_folder folder("fuzz_ini_store");
  return folder;
}

void parse_text(const uint8_t* data, size_t size) {
  const std::wstring text = utf8_to_wide(fuzzing::bytes_of(data, size));
  ini_store store;
  store.section = L"TABULON";
  store.parse(text);
  ini_store again;
  again.section = L"TABULON";
  again.parse(store.to_text());
  check(again.entries == store.entries);

  decode_font(text, 96);
  decode_window_placement(text, 1024, 768);
  size_range sizes;
  parse_size_range(text, sizes);
  date_range dates;
  parse_date_range(text, dates, 1'700'000'000);
}

void round_trip_file(const uint8_t* data, size_t size) {
  const auto& folder = scratch();
  const config_context context{folder.program_folder(), L"/nowhere"};
  folder.write("in.init", fuzzing::bytes_of(data, size));
  build_settings settings;
  ini_store store;
  check(read_configuration(settings, store, L"in.init", context).ok);
  check(write_configuration(settings, store, L"out1.init", context).ok);

  build_settings settings2;
  ini_store store2;
  check(read_configuration(settings2, store2, L"out1.init", context).ok);
  check(write_configuration(settings2, store2, L"out2.init", context).ok);
  check(fuzzing::read_file(folder.path() / "out1.init") ==
        fuzzing::read_file(folder.path() / "out2.init"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  if (data[0] & 1) {
    round_trip_file(data + 1, size - 1);
  } else {
    parse_text(data + 1, size - 1);
  }
  return 0;
}
