#pragma once
// The path forms page assembly and the build driver derive from a folder's
// full path: the folder's own name, its path below the build root,
// and the "../" prefix that leads from a page back to the root.
//
// Paths use the platform separator (platform/native_path.h, which also
// joins them). None of these functions fail.

#include <string>
#include <string_view>

#include "platform/native_path.h"

namespace tabulon {

// The folder's own name: the text after its last separator (a trailing
// separator is ignored). A file-system root keeps its whole path.
std::wstring folder_own_name(std::wstring_view folder);

// `folder` with the `root` prefix removed, always beginning with the
// separator; the root itself gives a lone separator.
std::wstring relative_to_root(std::wstring_view folder, std::wstring_view root);

// "../" once for every level `folder` lies below `root`; empty for the root
// itself, for a folder not below it, and when no root is set.
std::wstring root_prefix_of(std::wstring_view folder, std::wstring_view root);

// The page file of `folder`: `output_filename` inside it when the name holds
// no separator; otherwise the name itself, taken relative to the program
// folder when it is not absolute.
std::wstring output_path_of(std::wstring_view folder, std::wstring_view output_filename,
                            std::wstring_view program_folder);

}  // namespace tabulon
