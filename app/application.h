#pragma once
// The application object and the program's start-up.
//
// One application object exists for the whole run. It owns the settings
// record and the store of the main configuration file, and knows the program
// folder. The command line decides between the window (empty command line)
// and batch mode (anything else: the whole tail names a configuration file,
// one build runs without any window, and the result is optionally opened).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/config_file.h"
#include "app/ini_store.h"
#include "base/build_settings.h"
#include "engine/build_result.h"
#include "platform/path_rules.h"

namespace tabulon {

// Folders and file name the window's load and save dialogs start from.
struct config_dialog_paths {
  std::wstring folder;          // the program folder
  std::wstring scripts_folder;  // the program folder followed by "Scripts/"
  std::wstring file_name;       // "custom.init"
};

// What a batch run did, for the command line to report.
struct batch_result {
  build_result build;    // the pages written and those that could not be
  config_status config;  // reading the configuration file
  std::wstring root;     // the root folder the build ran on
  std::wstring opened;   // the target handed to the shell, when one was
};

class application {
 public:
  // Creates the settings with their construction values and finds the
  // program folder. `folder` overrides the program folder (tests).
  application();
  explicit application(std::wstring folder);

  // Batch mode for a non-empty command tail: reads the configuration it
  // names, builds once without a progress display, restores
  // `output_filename`, and opens the result when `autolaunch_batch_file` is
  // set. Does not change the current directory.
  batch_result run_batch(std::wstring_view command_tail);

  // Interactive start-up, before the window opens: the program folder
  // becomes the current directory and "tabulon.init" is read from it. A
  // missing file leaves the reader's defaults.
  config_status start_interactive();

  // The program's own configuration files. Every read and write of
  // "tabulon.init", "general.init" and "font.init" goes through these, so the
  // folder that holds them is decided in one place.
  config_context settings_context() const;
  config_status read_main_configuration();
  interface_fonts read_font(int pixels_per_inch) const;
  std::optional<window_placement_record> read_placement(int screen_width, int screen_height) const;
  // On Exit: the settings to "tabulon.init", the preferences and the window
  // placement to "general.init", the interface font to "font.init".
  config_status write_exit_configuration(const config_write_extras& extras);

  build_settings settings;
  ini_store store;  // the main configuration file, so unknown keys survive a save
  std::wstring program_folder;
  config_dialog_paths dialog_paths;
};

// The script name of `custom_html_filename` completed the way batch mode does
// it: a name of at least two characters that is not absolute gets the program
// folder in front, or, when it starts at the root ("\x"), only the program
// folder's drive. POSIX style reads "\" as "/" and has no drives.
std::wstring complete_script_name(std::wstring_view name, std::wstring_view program_folder,
                                  path_style style = native_path_style());

// The page a batch build opens afterwards: `output_filename` in the root
// folder `path` when it names no folder itself, else `output_filename`;
// then given the program folder's drive when it starts at the root.
std::wstring batch_result_target(std::wstring_view path, std::wstring_view output_filename,
                                 std::wstring_view program_folder,
                                 path_style style = native_path_style());

// The exit status of a batch build: 0 when every page was written, 1 when
// none was, 2 when some were written and some could not be.
int batch_exit_status(const build_result& build);

// The lines batch mode prints on standard error for a build (without the
// program name in front): one per page that could not be written, and, when
// no page was written and none failed, why nothing was written.
std::vector<std::wstring> batch_report_lines(const build_result& build, const std::wstring& root);

// Shows the window over the application object until it is closed; returns
// the exit status (1 when no display can be opened). Supplied by the window
// library when the program is built with it.
using window_runner = int (*)(application& app);

// The line printed when the window cannot be shown.
inline constexpr const char* kNoWindowLine =
    "tabulon: the window needs a display (DISPLAY or WAYLAND_DISPLAY); run \"tabulon "
    "CONFIG.init\" to build unattended\n";

// True when the environment names a display the window could open.
bool display_available();

// Runs the program for the command line of main(); returns the exit status:
// that of batch_exit_status for a batch build, 0 for --help and --version.
// An empty command line runs the window through `window` after the
// interactive start-up, or prints kNoWindowLine and returns 1 when there is
// no window or no display.
int run_main(int argc, char** argv, window_runner window = nullptr);

}  // namespace tabulon
