#pragma once
// Language files: XML documents that replace the texts of the interface text
// table. The root element is `all`; `file_info/app` must read exactly
// "tabulon"; then come groups of items, looked up by name in the table's
// order, so the order of elements in the file does not matter. A missing group
// or item leaves the current text as it is.
//
// A file that does not parse, or is not a tabulon language file, changes
// nothing; the loader then returns the message for the window to show.

#include <optional>
#include <string>
#include <string_view>

#include "base/build_settings.h"
#include "ui/interface_text.h"

namespace tabulon {

// A message box to show: its text and its caption.
struct message_record {
  std::wstring text;
  std::wstring caption;
};

// Applies the language document `xml` to `table`. `shown_path` names the file
// in a failure message. Returns nothing on success, else the message (the
// table is then unchanged).
std::optional<message_record> apply_language_text(std::wstring_view xml,
                                                  std::wstring_view shown_path,
                                                  interface_text_table& table);

// Reads and applies the file named by `settings.language_file`, taken relative
// to `settings.program_folder`, and copies the month names into the first
// twelve `settings.month_words`, which dates on pages use. Does nothing and
// returns nothing when the name is empty. A file that cannot be read is
// reported like one that does not parse.
std::optional<message_record> apply_language_file(build_settings& settings,
                                                  interface_text_table& table);

// Copies the table's month names into the first twelve `month_words`.
void copy_month_names(const interface_text_table& table, build_settings& settings);

// The full path of a language file name: "\" is read as the folder separator;
// a relative name is completed in `program_folder` (which ends in a separator).
std::wstring resolve_language_path(std::wstring_view name, std::wstring_view program_folder);

// The "Load language file" command after its file dialog: stores `chosen_path`
// in `language_file` (relative to the program folder when it lies inside it;
// empty when the dialog was cancelled, i.e. `chosen_path` is empty), then
// applies it. Returns the loader's message, if any.
std::optional<message_record> load_language_choice(build_settings& settings,
                                                   std::wstring_view chosen_path,
                                                   interface_text_table& table);

// "Restore english defaults": every built-in text back (month names included),
// no language file.
void restore_english_defaults(build_settings& settings, interface_text_table& table);

}  // namespace tabulon
