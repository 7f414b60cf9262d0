#include "tests/support/temp_dir.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "base/wide_string.h"

namespace tabulon::testing {

temp_dir::temp_dir() {
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("tabulon-test-" + std::to_string(rd()));
    std::error_code ec;
    if (std::filesystem::create_directory(candidate, ec)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

temp_dir::~temp_dir() {
  std::error_code ec;
  // Restore permissions that a test may have taken away, so removal succeeds.
  for (auto it = std::filesystem::recursive_directory_iterator(
           path_, std::filesystem::directory_options::skip_permission_denied, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path temp_dir::write(std::string_view relative, std::string_view bytes) const {
  auto file = path_ / std::filesystem::path(std::string(relative));
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

void temp_dir::write_each(std::initializer_list<std::string_view> relatives,
                          std::string_view bytes) const {
  for (const std::string_view relative : relatives) write(relative, bytes);
}

std::filesystem::path temp_dir::mkdir(std::string_view relative) const {
  auto dir = path_ / std::filesystem::path(std::string(relative));
  std::filesystem::create_directories(dir);
  return dir;
}

std::string read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring wide(const std::filesystem::path& path) {
  return from_native(path.string());
}

std::vector<std::filesystem::path> files_named(const std::filesystem::path& root,
                                               std::string_view name) {
  std::vector<std::filesystem::path> found;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    if (item.is_regular_file() && item.path().filename() == name) found.push_back(item.path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace tabulon::testing
