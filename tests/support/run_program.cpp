#include "tests/support/run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace tabulon::testing {

namespace {

std::string slurp_and_remove(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::remove(file.c_str());
  return s;
}

}  // namespace

program_result run_program(const std::filesystem::path& exe, const std::vector<std::string>& args,
                           const std::filesystem::path& cwd) {
  char out_name[] = "/tmp/tabulon-out-XXXXXX";
  char err_name[] = "/tmp/tabulon-err-XXXXXX";
  const int out_fd = mkstemp(out_name);
  const int err_fd = mkstemp(err_name);
  program_result result;
  const pid_t pid = fork();
  if (pid == 0) {
    if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
    const int null_fd = open("/dev/null", O_RDONLY);
    dup2(null_fd, 0);
    dup2(out_fd, 1);
    dup2(err_fd, 2);
    std::vector<char*> argv;
    std::string exe_str = exe.string();
    argv.push_back(exe_str.data());
    std::vector<std::string> copies = args;
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(exe_str.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  close(out_fd);
  close(err_fd);
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = slurp_and_remove(out_name);
  result.err = slurp_and_remove(err_name);
  return result;
}

std::filesystem::path tabulon_exe() {
#ifdef TABULON_EXE
  return TABULON_EXE;
#else
  return "tabulon";
#endif
}

}  // namespace tabulon::testing
