#include "tests/support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tabulon::testing {

std::optional<bool> run_unprivileged(const std::function<bool()>& check) {
  const pid_t pid = fork();
  if (pid < 0) return std::nullopt;
  if (pid == 0) {
    if (geteuid() == 0) {
      if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
    }
    _exit(check() ? 0 : 1);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return std::nullopt;
  const int code = WEXITSTATUS(status);
  if (code == 3) return std::nullopt;
  return code == 0;
}

bool give_to_unprivileged_user(const std::filesystem::path& folder) {
  if (geteuid() != 0) return true;
  bool all = lchown(folder.c_str(), 65534, 65534) == 0;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    all = lchown(it->path().c_str(), 65534, 65534) == 0 && all;
  return all && !ec;
}

}  // namespace tabulon::testing
