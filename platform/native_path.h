#pragma once
// The native form of paths: the one separator the system uses, the one way
// to join a folder and a name, and the one conversion between tabulon's wide
// paths and std::filesystem. On POSIX a wide path becomes the bytes the file
// system knows the name by (see base/wide_string.h); on Windows it is handed
// over as UTF-16, so names outside the ANSI code page keep their characters.
// None of these functions fail.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/path_rules.h"

namespace tabulon {

inline constexpr wchar_t kPathSeparator = native_path_style().separator;

// True where file names are bytes read as UTF-8 (POSIX); false where they
// are UTF-16 text (Windows).
inline constexpr bool kFileNamesAreUtf8 = !native_path_style().has_drives;

// `folder` and `name` with one separator between them (none is added after
// an empty folder or one that already ends in the separator).
std::wstring join_path(std::wstring_view folder, std::wstring_view name);

// True when `path` names a file-system root ("/", or "C:\" on Windows).
bool is_filesystem_root(std::wstring_view path);

// A wide path as std::filesystem takes it, and back.
std::filesystem::path to_fs_path(std::wstring_view path);
std::wstring from_fs_path(const std::filesystem::path& path);

}  // namespace tabulon
