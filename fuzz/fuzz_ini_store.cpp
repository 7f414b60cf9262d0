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
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "app/config_file.h"
#include "app/font_placement.h"
#include "app/ini_store.h"
#include "base/wide_string.h"
#include "engine/range_parse.h"

namespace {

using namespace tabulon;

// A folder of its own that stands for the program folder; removed at exit.
struct scratch {
  std::filesystem::path folder;
  scratch() {
    std::random_device seed;
    folder = std::filesystem::temp_directory_path() / ("fuzz_ini_store_" + std::to_string(seed()));
    std::filesystem::create_directories(folder);
  }
  ~scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
};

const std::filesystem::path& scratch_folder() {
  static const scratch s;
  return s.folder;
}

std::string file_bytes(const std::filesystem::path& p) {
  std::string out;
  if (std::FILE* f = std::fopen(p.c_str(), "rb")) {
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    std::fclose(f);
  }
  return out;
}

void check(bool condition) {
  if (!condition) std::abort();
}

void parse_text(const uint8_t* data, size_t size) {
  const std::wstring text = utf8_to_wide({reinterpret_cast<const char*>(data), size});
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

void read_file(const uint8_t* data, size_t size) {
  const auto& folder = scratch_folder();
  const config_context context{from_native(folder.string()) + L"/", L"/nowhere"};
  {
    std::FILE* f = std::fopen((folder / "in.init").c_str(), "wb");
    check(f != nullptr);
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  build_settings settings;
  ini_store store;
  check(read_configuration(settings, store, L"in.init", context).ok);
  check(write_configuration(settings, store, L"out1.init", context).ok);

  build_settings settings2;
  ini_store store2;
  check(read_configuration(settings2, store2, L"out1.init", context).ok);
  check(write_configuration(settings2, store2, L"out2.init", context).ok);
  check(file_bytes(folder / "out1.init") == file_bytes(folder / "out2.init"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  if (data[0] & 1) {
    read_file(data + 1, size - 1);
  } else {
    parse_text(data + 1, size - 1);
  }
  return 0;
}
