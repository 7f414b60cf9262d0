#pragma once
// Launching: the commands that hand a file to another program. Launch output
// file (F12) opens the page the settings name in the web browser, Edit script
// (F11) and the Recursive page's "Edit it" buttons open a script in the text
// editor, Help (F1) opens the help page of the active option page. An empty
// browser or editor setting opens the file with the desktop's default
// handler; a set one is started with the path as its parameter.
//
// The path rules are plain functions; the commands report through `prompts`
// and start programs through a shell_launcher, so the window only forwards
// its keys and buttons.

#include <string>
#include <string_view>

#include "base/build_settings.h"
#include "platform/path_rules.h"
#include "ui/interface_text.h"
#include "ui/prompts.h"
#include "ui/shell_launcher.h"

namespace tabulon {

// The output page of the settings: `output_name` unchanged when it is a full
// path (second character ":" on Windows, a leading "/" on POSIX), given the
// program folder's drive when it begins with "\" (Windows), otherwise joined
// to `folder` (a separator put between when `folder` does not end in one).
std::wstring output_file_path(std::wstring_view folder, std::wstring_view output_name,
                              std::wstring_view program_folder,
                              path_style style = native_path_style());

// A script name completed for editing: one that is not a full path is taken
// relative to the program folder.
std::wstring script_file_path(std::wstring_view name, std::wstring_view program_folder,
                              path_style style = native_path_style());

// The parameter a browser or editor gets: the path in double quotes where the
// system parses a parameter string (Windows); on POSIX the path is one
// argument of its own and needs no quotes.
std::wstring launch_parameter(std::wstring_view path, path_style style = native_path_style());

// True when `path` names a file that can be opened and read (not a folder).
bool readable_file(std::wstring_view path);

// The option pages in tree order; the index is `active_page`.
enum class option_page : int {
  folders_files,
  miscellaneous,
  sorting,
  default_words,
  recursive,
  input_output,
  about,
  license,
  open_source,
  count
};

// The help page of an option page: "help_folders.html", "help_misc.html",
// "help_sort.html" (Sorting and Default Words), "help_recursive.html",
// "help_io.html", "help_license.html", and "tabulon_help.html" for every
// other index.
std::wstring_view help_page_name(int page_index);
// Its full path: the program folder, "help", the separator and the name.
std::wstring help_page_path(int page_index, std::wstring_view program_folder,
                            path_style style = native_path_style());

// F12: opens the output file of `settings`; "File Not Found: " and the path
// when it cannot be read. Returns true when a program was started.
bool launch_output_file(const build_settings& settings, const interface_text_table& texts,
                        prompts& ui, shell_launcher& shell);

// F11 and "Edit it": opens the script `name` (the script box, or one of the
// frame script boxes) with the text editor setting.
bool edit_script_file(const build_settings& settings, std::wstring_view name,
                      const interface_text_table& texts, prompts& ui, shell_launcher& shell);

// F1: opens the help page of `page_index` with the web browser setting.
bool open_help_page(const build_settings& settings, int page_index, prompts& ui,
                    shell_launcher& shell);

}  // namespace tabulon
