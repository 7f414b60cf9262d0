#pragma once
// What the fuzz targets share: a scratch folder of their own that is removed
// when the run ends, whole files written and read back, and the check that
// stops the run at once when a promise of the code under test is broken.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "base/wide_string.h"

namespace tabulon::fuzzing {

// Ends the run, so that the fuzzer records the input, when `condition` fails.
inline void check(bool condition) {
  if (!condition) std::abort();
}

// The input of one run as bytes.
inline std::string_view bytes_of(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Writes `bytes` to `file`, replacing what it held; a file that cannot be
// written ends the run, since every later check would read stale bytes.
inline void write_file(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  check(static_cast<bool>(out));
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The whole content of `file`; empty when it cannot be read.
inline std::string read_file(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh folder below the system's temporary folder, named after the target
// so that targets running side by side keep apart.
class scratch_folder {
 public:
  explicit scratch_folder(std::string_view target) {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            (std::string(target) + "_" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~scratch_folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  scratch_folder(const scratch_folder&) = delete;
  scratch_folder& operator=(const scratch_folder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as the program names folders: wide, with a closing "/".
  std::wstring program_folder() const { return from_native(path_.string()) + L"/"; }
  // Writes `bytes` to `relative` below the folder, creating its parent folders.
  std::filesystem::path write(std::string_view relative, std::string_view bytes) const {
    const std::filesystem::path file = path_ / std::filesystem::path(std::string(relative));
    std::filesystem::create_directories(file.parent_path());
    write_file(file, bytes);
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace tabulon::fuzzing
