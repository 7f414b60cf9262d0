// The command line of the built program: help, version, the missing window,
// and batch mode's reports on standard error.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

namespace tabulon {
namespace {

using testing::run_program;
using testing::tabulon_exe;

TEST(AppCli, HelpAndVersion) {
  const auto help = run_program(tabulon_exe(), {"--help"});
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_NE(help.out.find("Usage: tabulon CONFIG.init"), std::string::npos);
  EXPECT_NE(help.out.find("2 when some pages were written"), std::string::npos) << help.out;
  const auto version = run_program(tabulon_exe(), {"--version"});
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.out, "tabulon v4.87\n");
}

TEST(AppCli, EmptyCommandLineExplainsAndFails) {
  const auto r = run_program(tabulon_exe(), {});
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_NE(r.err.find("tabulon CONFIG.init"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST(AppCli, AWindowModuleThatIsNotThereIsNamedAndBatchModeStillWorks) {
  // A copy of the program without the window's module beside it, asked for
  // the window with a display named: one line naming the file, exit 1.
  testing::temp_dir dir;
  const std::filesystem::path exe = dir.path() / "tabulon";
  std::filesystem::copy_file(tabulon_exe(), exe);
  const char* display = std::getenv("DISPLAY");
  const std::string kept = display ? display : "";
  ::setenv("DISPLAY", ":97531", 1);
  const auto r = run_program(exe, {});
  if (display)
    ::setenv("DISPLAY", kept.c_str(), 1);
  else
    ::unsetenv("DISPLAY");
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_NE(r.err.find("tabulon CONFIG.init"), std::string::npos) << r.err;
  if (std::filesystem::exists(tabulon_exe().parent_path() / "tabulon-window.so")) {
    EXPECT_NE(r.err.find((dir.path() / "tabulon-window.so").string()), std::string::npos) << r.err;
  }
  // Without the module the program needs none of the toolkit to run.
  EXPECT_EQ(run_program(exe, {"--version"}).out, "tabulon v4.87\n");
}

TEST(AppCli, MissingConfigurationIsWarnedAboutByName) {
  testing::temp_dir dir;
  const auto missing = (dir.path() / "no such.init").string();
  const auto r = run_program(tabulon_exe(), {missing}, dir.path());
  EXPECT_NE(r.err.find("warning"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("\"" + missing + "\""), std::string::npos) << r.err;
  // The build ran on the defaults; the exit status says whether it wrote a page.
  if (r.exit_status != 0) {
    EXPECT_NE(r.err.find("no page was written"), std::string::npos);
  }
  // A quoted path, split by the shell into two arguments, is joined again.
  const auto q =
      run_program(tabulon_exe(), {"\"" + (dir.path() / "no").string(), "such.init\""}, dir.path());
  EXPECT_NE(q.err.find("\"" + missing + "\""), std::string::npos) << q.err;
}

}  // namespace
}  // namespace tabulon
