#pragma once
// The placeholders that this part of the engine expands in script texts: the
// page title's %%DIR and %%FOLDER, the per-entry placeholders of match codes
// and row sections, %%COLUMNS%, and the file inclusion markers "%%FILE" and
// "~~FILE". The page-level placeholders are page assembly's.
//
// Values that come from file and folder names are made markup-safe (see
// engine/text_convert.h): they never carry a raw "<", ">" or '"'.
//
// File lookup for both inclusion markers: a name holding a separator (on
// POSIX "\" is read as "/") is used as it stands, a relative one taken from
// the folder being written. A bare name is looked for in the folder being
// written (the program folder when none is given), then in the folder of the
// loaded script, then in the program folder. The file is read whole, with any
// "\r\n" left as "\n". A file that cannot be read is included as the empty text.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/build_settings.h"
#include "engine/file_entry.h"

namespace tabulon {

// "%%DIR" and "%%FOLDER" of a page title (or of the root link text) for the
// folder being written (`settings.path`). Empty for an empty template.
std::wstring expand_title(const build_settings& settings, std::wstring_view title_template);

// The per-entry placeholders, in this order: %%FNAME%, %%F_PATH_2SLASH%,
// %%F_PATH, %%NO_EXT_FNAME%, %%F, %%ROOT_FOLDER%, %%DIR, %%2SLASHDIR%,
// %%2FSLASHDIR%. `root_folder` is the build's root folder as configured;
// `root_prefix` the "../" chain of the page. Empty for an empty text.
std::wstring expand_file_placeholders(const build_settings& settings, std::wstring_view text,
                                      const file_entry& entry, std::wstring_view root_folder,
                                      std::wstring_view root_prefix);

// Every "%%COLUMNS%" becomes `column_count`, every "%%COLUMNS-n%" becomes
// `column_count` - n. A "%%COLUMNS" in any other form is left as it is.
void expand_columns(std::wstring& text, int32_t column_count);

// Marker forms of take_file_marker.
inline constexpr int file_marker_percent = 0;  // "%%FILEname%"
inline constexpr int file_marker_tilde = 1;    // "~~FILEname~"

// Finds the first marker of `form`, turns it into "%%FILZ" (or "~~FILZ"),
// removes the name after it and its end character, and returns the name. A
// marker without an end character takes the rest of the text as its name.
// No marker: returns the empty text and leaves `text` alone.
std::wstring take_file_marker(std::wstring& text, int form);

// The content of the included file `name` (see the lookup above); `folder`
// is the folder being written, or empty for the program folder.
std::wstring read_included_file(const build_settings& settings, std::wstring_view name,
                                std::wstring_view folder);

// Replaces every "%%FILEname%" of `text` by the content of the named file,
// also the markers that included files bring along. Included files nest at
// most kMaxInclusionDepth deep and one call includes at most
// kMaxInclusions files; markers beyond that are removed, so a file that
// includes itself ends.
void expand_file_markers(const build_settings& settings, std::wstring& text,
                         std::wstring_view folder);

// Replaces every "~~FILEname~" of an entry's text by the content of the named
// file. In the name, "%%RELATIVE_PATH" (the entry's folder below the root),
// "%%NO_EXT_FNAME%", "%%FNAME%" and "%%FOLDER" (the folder being written) are
// replaced first, then "&" becomes "&amp;". Limits as expand_file_markers.
void include_files(const build_settings& settings, std::wstring& text, const file_entry& entry,
                   std::wstring_view root_folder);

inline constexpr int kMaxInclusionDepth = 8;
inline constexpr int kMaxInclusions = 256;

}  // namespace tabulon
