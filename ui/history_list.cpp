#include "ui/history_list.h"

#include <algorithm>

namespace tabulon {

std::vector<std::wstring> split_history(std::wstring_view stored) {
  std::vector<std::wstring> entries;
  while (!stored.empty()) {
    const size_t bar = stored.find(L'|');
    const std::wstring_view entry = stored.substr(0, bar);
    if (!entry.empty()) entries.emplace_back(entry);
    if (bar == std::wstring_view::npos) break;
    stored.remove_prefix(bar + 1);
  }
  return entries;
}

std::wstring join_history(const std::vector<std::wstring>& entries) {
  std::wstring stored;
  for (const std::wstring& entry : entries) {
    if (!stored.empty()) stored += L'|';
    stored += entry;
  }
  return stored;
}

bool add_to_history(std::vector<std::wstring>& entries, std::wstring_view text) {
  if (text.empty()) return false;
  const auto found = std::find(entries.begin(), entries.end(), text);
  if (found != entries.end()) {
    std::rotate(entries.begin(), found, found + 1);
  } else {
    entries.insert(entries.begin(), std::wstring(text));
  }
  return true;
}

void add_dropped_folder(std::vector<std::wstring>& entries, std::wstring_view folder) {
  if (folder.empty()) return;
  entries.insert(entries.begin(), std::wstring(folder));
  if (entries.size() > kDroppedFolderLimit) entries.resize(kDroppedFolderLimit);
}

}  // namespace tabulon
