#include "tests/window/window_driver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace tabulon::testing {
namespace {

namespace fs = std::filesystem;

pid_t xvfb_pid = 0;

void stop_xvfb() {
  if (xvfb_pid > 0) {
    kill(xvfb_pid, SIGTERM);
    waitpid(xvfb_pid, nullptr, 0);
    xvfb_pid = 0;
  }
}

std::string start_xvfb(std::string* why) {
  int fds[2];
  if (pipe(fds) != 0) {
    *why = "cannot create a pipe";
    return {};
  }
  const pid_t pid = fork();
  if (pid < 0) {
    *why = "cannot fork";
    return {};
  }
  if (pid == 0) {
    close(fds[0]);
    dup2(fds[1], 3);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1280x900x24", "-nolisten", "tcp",
           "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string number;
  pollfd p{fds[0], POLLIN, 0};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (poll(&p, 1, 200) > 0) {
      char c;
      const ssize_t n = read(fds[0], &c, 1);
      if (n <= 0) break;
      if (c == '\n') break;
      number.push_back(c);
    }
  }
  close(fds[0]);
  if (number.empty()) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    *why = "Xvfb could not be started (is the xvfb package installed?)";
    return {};
  }
  xvfb_pid = pid;
  std::atexit(stop_xvfb);
  return ":" + number;
}

std::string read_file(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

std::string test_display(std::string* why) {
  static std::string display;
  static std::string reason;
  static bool tried = false;
  if (!tried) {
    tried = true;
    display = start_xvfb(&reason);
  }
  if (why != nullptr) *why = reason;
  return display;
}

window_program::window_program() {
  display_ = test_display(&why_);
  fs::copy_file(TABULON_EXE, dir_.path() / "tabulon");
  fs::permissions(dir_.path() / "tabulon", fs::perms::owner_all, fs::perm_options::add);
#ifdef TABULON_WINDOW_MODULE_FILE
  // The window lives in a module beside the program.
  const fs::path module = TABULON_WINDOW_MODULE_FILE;
  fs::copy_file(module, dir_.path() / module.filename());
#endif
  // The data as the build lays it out beside the executable: Scripts/ and
  // Translations/ as they are in share/, help/ as the build writes it.
  const fs::path share = fs::path(TABULON_SOURCE_DIR) / "share";
  const fs::path built = fs::path(TABULON_EXE).parent_path();
  for (const fs::path& folder : {share / "Scripts", share / "Translations", built / "help"})
    if (fs::exists(folder))
      fs::copy(folder, dir_.path() / folder.filename(), fs::copy_options::recursive);
}

std::string window_program::path(std::string_view relative) const {
  return (dir_.path() / relative).string();
}

bool window_program::exists(std::string_view relative) const {
  return fs::exists(dir_.path() / relative);
}

std::string window_program::read(std::string_view relative) const {
  return read_file(dir_.path() / relative);
}

window_run window_program::run(const std::vector<std::string>& steps,
                               std::chrono::milliseconds timeout,
                               const std::vector<std::string>& environment) const {
  window_run result;
  const fs::path script = dir_.path() / "test-script.txt";
  const fs::path log = dir_.path() / "test-log.txt";
  const fs::path output = dir_.path() / "test-output.txt";
  {
    std::ofstream out(script, std::ios::binary);
    for (const std::string& step : steps) out << step << "\n";
  }
  fs::remove(log);

  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, 1);
    dup2(out, 2);
    setenv("DISPLAY", display_.c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    setenv("TABULON_TEST_SCRIPT", script.c_str(), 1);
    setenv("TABULON_TEST_LOG", log.c_str(), 1);
    setenv("GDK_BACKEND", "x11", 1);
    setenv("NO_AT_BRIDGE", "1", 1);
    // GTK's own allocations are not ours to report.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    for (const std::string& variable : environment) putenv(strdup(variable.c_str()));
    // Start from another folder: the program must make its own folder current.
    if (chdir("/") != 0) _exit(126);
    const std::string program = (dir_.path() / "tabulon").string();
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  while (true) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      result.exited = true;
      result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      break;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  result.log = read_file(log);
  result.output = read_file(output);
  return result;
}

std::map<std::string, std::string> window_program::read_dump(std::string_view relative) const {
  std::map<std::string, std::string> values;
  std::istringstream in(read(relative));
  std::string line;
  while (std::getline(in, line)) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

std::map<std::string, std::string> window_program::read_ini(std::string_view relative) const {
  std::map<std::string, std::string> values;
  std::string text = read(relative);
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') continue;
    const size_t eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

}  // namespace tabulon::testing
