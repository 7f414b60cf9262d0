#pragma once
// History lists of the drop-down boxes: the entries a box offers, stored with
// the settings as one text with "|" between the entries.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabulon {

// The entries of a stored list; empty entries are dropped.
std::vector<std::wstring> split_history(std::wstring_view stored);
// The stored form: the entries joined by "|".
std::wstring join_history(const std::vector<std::wstring>& entries);

// "Add": puts `text` at the top of `entries`; an entry equal to it (exact
// comparison) moves to the top instead of being repeated. An empty text is
// not added. Returns false when nothing was added.
bool add_to_history(std::vector<std::wstring>& entries, std::wstring_view text);

// The folder list keeps at most this many entries.
inline constexpr std::size_t kDroppedFolderLimit = 15;

// A folder dropped on the Folders, Files page: inserted at the top of the
// folder list (not looked up), and the list cut to its last
// kDroppedFolderLimit entries from the top.
void add_dropped_folder(std::vector<std::wstring>& entries, std::wstring_view folder);

}  // namespace tabulon
