#pragma once
// Window tests: run the real tabulon window under an X server of its own and
// drive it with a script of steps (the step language is described in
// ui/wx/test_script.h: keys, setting and clicking controls, chooser answers,
// dumps of every control's value, exit).
//
//   window_program program;                 // a fresh program folder
//   if (!program.display_ready()) GTEST_SKIP() << program.skip_reason();
//   program.write("tabulon.init", "...");   // files in the program folder
//   auto run = program.run({"set title Holiday", "dump " + program.path("d.txt"), "exit"});
//   EXPECT_TRUE(run.exited);                // the window closed by itself
//   auto dump = program.read_dump("d.txt"); // control name -> value
//   auto init = program.read_ini("tabulon.init");
//
// One Xvfb is started per test process on a free display (-displayfd) and
// stopped when the process ends. A run waits for the program to exit, up to
// a timeout after which the program is killed and `exited` is false.

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace tabulon::testing {

// The X display for window tests (":N"), starting Xvfb on first use; empty
// when none can be started, with the reason in `why`.
std::string test_display(std::string* why = nullptr);

struct window_run {
  bool exited = false;  // the program ended before the timeout
  int status = -1;      // its exit status
  std::string log;      // the steps played, messages shown, choosers answered
  std::string output;   // what the program wrote on stdout and stderr
};

class window_program {
 public:
  // A temporary program folder holding a copy of the executable and of the
  // Scripts, Translations and help folders.
  window_program();

  bool display_ready() const { return !display_.empty(); }
  const std::string& skip_reason() const { return why_; }

  const std::filesystem::path& folder() const { return dir_.path(); }
  // A path inside the program folder, as text for a script step.
  std::string path(std::string_view relative) const;
  std::filesystem::path write(std::string_view relative, std::string_view bytes) const {
    return dir_.write(relative, bytes);
  }
  bool exists(std::string_view relative) const;
  std::string read(std::string_view relative) const;

  // Starts the program with an empty command line, plays `steps`, and waits
  // for it to end. `environment` adds variables ("NAME=value").
  window_run run(const std::vector<std::string>& steps,
                 std::chrono::milliseconds timeout = std::chrono::seconds(30),
                 const std::vector<std::string>& environment = {}) const;

  // A dump written by a "dump" step: each "name=value" line.
  std::map<std::string, std::string> read_dump(std::string_view relative) const;
  // The keys of a configuration file in the program folder (section ignored).
  std::map<std::string, std::string> read_ini(std::string_view relative) const;

 private:
  temp_dir dir_;
  std::string display_;
  std::string why_;
};

}  // namespace tabulon::testing
