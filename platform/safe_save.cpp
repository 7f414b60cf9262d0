#include "platform/safe_save.h"

#include <filesystem>
#include <random>
#include <system_error>

#include "base/wide_string.h"
#include "platform/native_path.h"

namespace tabulon {

status save_through_temporary(const std::wstring& path,
                              const std::function<status(const std::wstring& temporary)>& write) {
  std::error_code ec;
  std::filesystem::path real = to_fs_path(path);
  if (std::filesystem::is_symlink(real, ec)) {
    const auto resolved = std::filesystem::canonical(real, ec);
    if (!ec) real = resolved;
  }
  // A random suffix, so two programs saving the same file do not share one.
  std::random_device seed;
  std::filesystem::path temp = real;
  temp += ".tmp" + std::to_string(seed() % 1000000);
  const std::wstring temp_name = from_fs_path(temp);
  if (status written = write(temp_name); !written) {
    std::filesystem::remove(temp, ec);
    return written;
  }
  const auto old_status = std::filesystem::status(real, ec);
  if (!ec && std::filesystem::is_regular_file(old_status)) {
    std::filesystem::permissions(temp, old_status.permissions(), ec);
  }
  std::filesystem::rename(temp, real, ec);
  if (ec) {
    const status renamed =
        status::error(L"rename", temp_name, L"to " + path, utf8_to_wide(ec.message()));
    std::filesystem::remove(temp, ec);
    return renamed;
  }
  return {};
}

}  // namespace tabulon
