#pragma once
// The rules that complete the names of program files (scripts, configuration
// files, frame scripts, help pages) and of build results, written once for
// both kinds of system: a path_style says which separator a system uses and
// whether it has drive letters. The program uses native_path_style(); tests
// run both styles on any system.
//
// Windows style: a path beginning with two backslashes or holding a colon is
// absolute; "\x" is absolute on the current drive.
// POSIX style: a path beginning with "/" is absolute; there are no drives, and
// a "\" written by a Windows configuration is read as "/".

#include <string>
#include <string_view>

namespace tabulon {

struct path_style {
  wchar_t separator = L'/';
  bool has_drives = false;
};

inline constexpr path_style posix_path_style{L'/', false};
inline constexpr path_style windows_path_style{L'\\', true};

constexpr path_style native_path_style() {
#ifdef _WIN32
  return windows_path_style;
#else
  return posix_path_style;
#endif
}

// `path` with every "\" turned into the style's separator (POSIX style only;
// Windows style returns it unchanged).
std::wstring with_native_separators(std::wstring_view path, path_style style);

// True when `path` names a place without help of the program folder: two
// leading backslashes or a colon anywhere (Windows), a leading "/" (POSIX).
bool is_absolute_path(std::wstring_view path, path_style style);

// An absolute `path` unchanged; any other (an empty one too) appended to
// `program_folder` (which ends in a separator). Windows style upper-cases the
// first character of the result (the drive letter). POSIX style reads "\" as "/".
// When `program_folder` is the user folder of an installed program (see
// app_folders.h), a relative name missing there is taken from the data folder.
std::wstring resolve_in_program_folder(std::wstring_view path, std::wstring_view program_folder,
                                       path_style style = native_path_style());

// The same completion for a file about to be written: never the data folder,
// and the user folder of an installed program is made first when missing.
std::wstring resolve_for_writing(std::wstring_view path, std::wstring_view program_folder,
                                 path_style style = native_path_style());

// Windows style: a path of at least two characters beginning with exactly one
// backslash gets the program folder's drive ("C:") in front; everything else
// stays unchanged. POSIX style: always unchanged.
std::wstring give_drive_of_program_folder(std::wstring_view path, std::wstring_view program_folder,
                                          path_style style = native_path_style());

}  // namespace tabulon
