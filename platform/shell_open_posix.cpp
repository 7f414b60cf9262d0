#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "base/wide_string.h"
#include "platform/shell_open.h"

namespace tabulon {

namespace {

// Starts argv detached: a first child forks the program and exits at once, so
// the program is adopted by init and never becomes a zombie of tabulon. Its
// standard streams go to /dev/null so it cannot write into tabulon's output.
bool spawn_detached(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int pipe_fd[2];
  if (::pipe(pipe_fd) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipe_fd[0]);
    ::close(pipe_fd[1]);
    return false;
  }
  if (child == 0) {
    ::close(pipe_fd[0]);
    ::setsid();
    const int null_fd = ::open("/dev/null", O_RDWR);
    if (null_fd >= 0) {
      ::dup2(null_fd, 0);
      ::dup2(null_fd, 1);
      ::dup2(null_fd, 2);
    }
    const pid_t grandchild = ::fork();
    if (grandchild == 0) {
      ::fcntl(pipe_fd[1], F_SETFD, FD_CLOEXEC);
      ::execvp(argv[0], argv.data());
      const char failed = 1;  // tell the parent that exec failed
      [[maybe_unused]] ssize_t w = ::write(pipe_fd[1], &failed, 1);
      ::_exit(127);
    }
    ::_exit(grandchild < 0 ? 1 : 0);
  }
  ::close(pipe_fd[1]);
  int status = 0;
  ::waitpid(child, &status, 0);
  // The pipe closes without data when exec succeeded (close-on-exec).
  char failed = 0;
  const ssize_t n = ::read(pipe_fd[0], &failed, 1);
  ::close(pipe_fd[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && n == 0;
}

}  // namespace

bool shell_open(std::wstring_view document) {
  return spawn_detached({"xdg-open", to_native(document)});
}

bool shell_open_with(std::wstring_view program, std::wstring_view parameter) {
  return spawn_detached({to_native(program), to_native(parameter)});
}

}  // namespace tabulon
