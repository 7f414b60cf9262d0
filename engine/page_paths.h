#pragma once
// The path forms page assembly and the build driver derive from a folder's
// full path: joining, the folder's own name, its path below the build root,
// and the "../" prefix that leads from a page back to the root.
//
// Paths use the platform separator ("/" on POSIX, where a rule that turns
// "\" into "/" changes nothing). None of these functions fail.

#include <string>
#include <string_view>

namespace tabulon {

inline constexpr wchar_t kPathSeparator =
#ifdef _WIN32
    L'\\';
#else
    L'/';
#endif

// `folder` and `name` with one separator between them.
std::wstring join_path(std::wstring_view folder, std::wstring_view name);

// The folder's own name: the text after its last separator (a trailing
// separator is ignored). A file-system root keeps its whole path.
std::wstring folder_own_name(std::wstring_view folder);

// `folder` with the `root` prefix removed, always beginning with the
// separator; the root itself gives a lone separator.
std::wstring relative_to_root(std::wstring_view folder, std::wstring_view root);

// "../" once for every level `folder` lies below `root`; empty for the root
// itself, for a folder not below it, and when no root is set.
std::wstring root_prefix_of(std::wstring_view folder, std::wstring_view root);

// True when `path` names a file-system root ("/", or "C:\" on Windows).
bool is_filesystem_root(std::wstring_view path);

// The page file of `folder`: `output_filename` inside it when the name holds
// no separator; otherwise the name itself, taken relative to the program
// folder when it is not absolute.
std::wstring output_path_of(std::wstring_view folder, std::wstring_view output_filename,
                            std::wstring_view program_folder);

}  // namespace tabulon
