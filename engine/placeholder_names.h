#pragma once
// The names of every placeholder and marker that a script can put into its
// sections. The code that expands them uses these constants, and
// script_placeholders() lists them all, so the help page on scripts can be
// checked against what the program understands: a placeholder added here
// without documentation fails that check.

#include <span>
#include <string_view>

namespace tabulon::placeholder {

// Per entry: match codes and row sections (engine/placeholders.h).
inline constexpr std::wstring_view fname = L"%%FNAME%";
inline constexpr std::wstring_view f_path_2slash = L"%%F_PATH_2SLASH%";
inline constexpr std::wstring_view f_path = L"%%F_PATH";
inline constexpr std::wstring_view no_ext_fname = L"%%NO_EXT_FNAME%";
inline constexpr std::wstring_view f = L"%%F";
inline constexpr std::wstring_view two_slash_dir = L"%%2SLASHDIR%";
inline constexpr std::wstring_view two_fslash_dir = L"%%2FSLASHDIR%";
// Per page, and some per entry too.
inline constexpr std::wstring_view root_folder = L"%%ROOT_FOLDER%";
inline constexpr std::wstring_view dir = L"%%DIR";
inline constexpr std::wstring_view folder = L"%%FOLDER";
inline constexpr std::wstring_view relative_path = L"%%RELATIVE_PATH";
inline constexpr std::wstring_view version = L"%%VERSION";
inline constexpr std::wstring_view includes = L"%%INCLUDES";
inline constexpr std::wstring_view skipped = L"%%SKIPPED";
inline constexpr std::wstring_view folders_include = L"%%FOLDERS_INCLUDE%";
inline constexpr std::wstring_view spec = L"%%SPEC";
inline constexpr std::wstring_view date_no_time = L"%%DATE_NO_TIME%";
inline constexpr std::wstring_view date_modified = L"%%DATE_MODIFIED%";
inline constexpr std::wstring_view month_num = L"%%MONTH_NUM%";
inline constexpr std::wstring_view month = L"%%MONTH%";
inline constexpr std::wstring_view year = L"%%YEAR%";
inline constexpr std::wstring_view time = L"%%TIME%";
inline constexpr std::wstring_view day = L"%%DAY%";
inline constexpr std::wstring_view file_sizes = L"%%FILE_SIZES%";
inline constexpr std::wstring_view date = L"%%DATE";
// "%%COLUMNS%" and "%%COLUMNS-n%": the table's column count (less n).
inline constexpr std::wstring_view columns = L"%%COLUMNS";
// Totals, put in when the page is complete.
inline constexpr std::wstring_view summary = L"%%SUMMARY";
inline constexpr std::wstring_view total_files = L"%%TOTAL_FILES%";
inline constexpr std::wstring_view total_folders = L"%%TOTAL_FOLDERS%";
inline constexpr std::wstring_view total_file_size = L"%%TOTAL_FILE_SIZE%";
inline constexpr std::wstring_view anchor_total_size = L"%%ANCHOR_TOTAL_SIZE%";
inline constexpr std::wstring_view anchor_total_files = L"%%ANCHOR_TOTAL_FILES%";
// Replaced while the script is read.
inline constexpr std::wstring_view random_color = L"%%RANDOM_COLOR%";
// File inclusion markers: "%%FILEname%" and "~~FILEname~".
inline constexpr std::wstring_view file_marker = L"%%FILE";
inline constexpr std::wstring_view tilde_file_marker = L"~~FILE";

// All of the above.
std::span<const std::wstring_view> script_placeholders();

}  // namespace tabulon::placeholder
