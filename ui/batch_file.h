#pragma once
// Batch files: the "Save batch/vbs file" command (F7), which writes a settings
// file and the files that rebuild the index from it without the window. For
// a chosen name such as build_html.bat it writes
//   build_htmlbat.init  the current settings, as a configuration file;
//   build_html.bat      a batch file (UTF-8 without a byte order mark);
//   build_html.vbs      a VBS file that runs the same command (UTF-16LE);
//   build_html.sh       on POSIX, an executable shell script that runs the
//                       same build with the full paths of the program and of
//                       the settings file (for a file manager or a cron line).
//
// The texts are built by the plain functions below; save_batch_files is the
// whole command over the prompts interface, so the window only forwards F7.

#include <string>
#include <string_view>

#include "base/build_settings.h"
#include "app/config_file.h"
#include "app/ini_store.h"
#include "base/status.h"
#include "platform/path_rules.h"
#include "ui/interface_text.h"
#include "ui/prompts.h"
#include "ui/shell_launcher.h"

namespace tabulon {

// The program a batch file starts.
struct batch_program {
  std::wstring folder;  // the program folder, ending in the separator
  std::wstring name;    // the executable's file name ("tabulon.exe", "tabulon")
  path_style style = native_path_style();

  std::wstring full_path() const { return folder + name; }
};

// The running program: program_folder() and this system's executable name.
batch_program running_program();

// The filter of the save dialog and the extension it adds.
inline constexpr std::wstring_view batch_file_filter = L"Batch Files|*.bat|";
inline constexpr std::wstring_view batch_file_extension = L"bat";

// A batch file name must end in ".bat" in any letter case and must not hold
// the pattern "*.bat".
bool is_batch_file_name(std::wstring_view path);

// build_html.bat gives build_htmlbat.init: the dot before the extension is
// removed and ".init" appended. Only for names that pass is_batch_file_name.
std::wstring batch_settings_path(std::wstring_view batch_path);
// The batch path with its extension replaced: build_html.vbs, build_html.sh.
std::wstring batch_sibling_path(std::wstring_view batch_path, std::wstring_view extension);

// The command line of the batch file: the program and the settings file, each
// in double quotes, separated by a blank. A settings file in the program
// folder or below it is named relative to that folder (the configuration
// reader completes it there) and the program by its bare name, so the
// command runs from the program folder; any other settings file is named by
// its full path, and so is the program.
std::wstring batch_command(const batch_program& program, std::wstring_view settings_path);

// "command\nREM command": the batch file's text before its line ends become
// "\r\n". Without short path names the comment repeats the command.
std::wstring batch_file_text(const batch_program& program, std::wstring_view settings_path);

// The VBS file: a WScript.Shell object that runs the command, every double
// quote of it doubled.
std::wstring vbs_file_text(const batch_program& program, std::wstring_view settings_path);

// The shell script: "#!/bin/sh", a comment, and an exec of the program with
// the full path of the settings file, both in single quotes. Line ends stay "\n".
std::wstring sh_file_text(const batch_program& program, std::wstring_view settings_path);

// `text` in single quotes for a POSIX shell: every "'" becomes "'\''".
std::wstring sh_quote(std::wstring_view text);

// Everything the F7 command reads and writes. The references belong to the
// caller (the window); `remembered_name` is the batch path chosen last, the
// name offered next time.
struct batch_save_request {
  build_settings& settings;
  const ini_store& store;  // the main configuration; copied, so it stays as it is
  const config_context& context;
  const interface_text_table& texts;
  std::wstring& remembered_name;
  batch_program program = running_program();
  config_write_extras extras;
};

enum class batch_save_result { no_folder, cancelled, bad_name, write_failed, written };

struct batch_save_outcome {
  batch_save_result result = batch_save_result::cancelled;
  std::wstring batch_path;
  status error;  // the file that could not be written, for write_failed
};

// The F7 command: checks the root folder, asks for the batch name, checks it,
// writes the settings file, the batch, VBS and (POSIX) shell files, and asks
// "Explore the file?"; on Yes the folder of the batch file is shown in the
// system's file manager. Every refusal and failure is shown through `ui`.
batch_save_outcome save_batch_files(batch_save_request& request, prompts& ui,
                                    shell_launcher& shell);

}  // namespace tabulon
