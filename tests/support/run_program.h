#pragma once
// Test support: runs the built tabulon executable and captures what it prints.

#include <filesystem>
#include <string>
#include <vector>

namespace tabulon::testing {

struct program_result {
  int exit_status = -1;
  std::string out;
  std::string err;
};

// Runs `exe` with `args` in the folder `cwd` (the current one when empty).
program_result run_program(const std::filesystem::path& exe, const std::vector<std::string>& args,
                           const std::filesystem::path& cwd = {});

// The tabulon executable of this build.
std::filesystem::path tabulon_exe();

}  // namespace tabulon::testing
