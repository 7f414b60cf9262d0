#pragma once
// Loading a script file into a script_template: the section headers,
// comments, the storage kind of each section, "%%RANDOM_COLOR%", and the match
// files that match sections name.
//
// Names of script and match files are program-file names: a relative name is
// taken from the program folder, and on POSIX every "\" is read as "/". A
// bare match-file name (no separator) is taken from the script's folder.
//
// Nothing here fails loudly: a script or match file that cannot be read
// leaves its sections or rules empty, and any bytes at all give some result.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/script_template.h"

namespace tabulon {

// Empties every section and match list of `script`; then, when `name` is not
// empty, reads the named script (see above) into it. `script.folder` becomes
// the folder of the file when the file could be read.
void load_script(script_template& script, std::wstring_view name, std::wstring_view program_folder);

// Every header line the loader recognises: the text sections, the match
// sections and the two whose content is read and dropped.
std::vector<std::wstring_view> script_section_names();

// The line processing of load_script over a script already read into `text`
// (lines joined by "\n"). Match-file names without a separator are taken
// from `script_folder`. `random_seed` seeds the colours of "%%RANDOM_COLOR%";
// load_script seeds with the current time. Sections are added to, not reset.
void load_script_text(script_template& script, std::wstring_view text,
                      std::wstring_view script_folder, std::wstring_view program_folder,
                      uint32_t random_seed);

// Appends the rules of the match file `name` (relative names from the
// program folder) to `rules`. A file that cannot be read adds nothing.
void load_match_file(std::vector<match_rule>& rules, std::wstring_view name,
                     std::wstring_view program_folder);

// The rule parsing of load_match_file over a file already read into `text`.
void load_match_text(std::vector<match_rule>& rules, std::wstring_view text);

// With `flag` on, the file-table sections are copied over the matching folder
// and anchor sections (also when empty); with `flag` off nothing changes.
void apply_file_table_elements(script_template& script, bool flag);

}  // namespace tabulon
