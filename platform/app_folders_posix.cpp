#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/wide_string.h"
#include "platform/app_folders.h"

namespace tabulon {

bool path_exists(std::wstring_view path) {
  struct stat st;
  return ::stat(to_native(std::wstring(path)).c_str(), &st) == 0;
}

bool make_folders(std::wstring_view folder) {
  const std::string path = to_native(std::wstring(folder));
  // Every prefix that ends before a "/" is a parent; the whole path last.
  for (size_t i = 1; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '/') continue;
    const std::string part = path.substr(0, i);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::wstring user_config_home() {
  // A relative XDG_CONFIG_HOME is not valid and is ignored.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
    return from_native(xdg);
  }
  std::string home;
  if (const char* env = std::getenv("HOME"); env && env[0] == '/') {
    home = env;
  } else {
    std::vector<char> buf(16384);
    struct passwd pw;
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/') {
      home = found->pw_dir;
    }
  }
  if (home.empty()) return {};
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return from_native(home == "/" ? "/.config" : home + "/.config");
}

}  // namespace tabulon
