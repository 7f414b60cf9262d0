#pragma once
// The file choosers of the option pages: their titles, filters, default
// extensions and where they start. The window hands these records to the
// toolkit's dialogs through `prompts`.

#include <string>
#include <string_view>

#include "platform/path_rules.h"
#include "ui/prompts.h"

namespace tabulon {

// "&Output File": a save dialog for a page, offering "index.html".
file_chooser output_file_chooser();

// "&Script (F5)": an existing text file, starting at the current script
// (relative names in the program folder) or at "insert.txt" when the box is empty.
file_chooser script_chooser(std::wstring_view current_script, std::wstring_view program_folder,
                            path_style style = native_path_style());

// "&Web Browser" and "&Text Editor": an existing program. On Windows only
// "*.exe" files are offered; elsewhere programs carry no extension, so every
// file is.
file_chooser program_chooser(std::wstring_view current_program,
                             path_style style = native_path_style());

// F8 and F9: a configuration file, starting in the folder of `last_path`
// with its name shown. Reading asks for an existing file, writing asks before
// replacing one.
file_chooser config_read_chooser(std::wstring_view last_path);
file_chooser config_write_chooser(std::wstring_view last_path);

// Splits a path at its last separator ("/" or "\"): the folder (with the
// separator) and the name.
std::wstring folder_of(std::wstring_view path);
std::wstring name_of(std::wstring_view path);

}  // namespace tabulon
