#pragma once
// Test support: a fresh folder under the system's temporary folder, removed
// with everything in it when the object goes away.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tabulon::testing {

class temp_dir {
 public:
  temp_dir();
  ~temp_dir();
  temp_dir(const temp_dir&) = delete;
  temp_dir& operator=(const temp_dir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to `relative` below the folder, creating parent folders.
  std::filesystem::path write(std::string_view relative, std::string_view bytes) const;
  // Writes the same `bytes` to each of `relatives`: a tree whose file
  // contents do not matter, given as one list of names.
  void write_each(std::initializer_list<std::string_view> relatives,
                  std::string_view bytes = {}) const;
  // Creates the folder `relative` (and its parents) below the folder.
  std::filesystem::path mkdir(std::string_view relative) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file as bytes; empty when it cannot be read.
std::string read_bytes(const std::filesystem::path& file);

// A path as the program's own wide strings take it.
std::wstring wide(const std::filesystem::path& path);

// Every file named `name` below `root` (the root included), sorted.
std::vector<std::filesystem::path> files_named(const std::filesystem::path& root,
                                               std::string_view name);

}  // namespace tabulon::testing
