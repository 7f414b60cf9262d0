#include "engine/folder_skip.h"

#include <string>

#include "base/wide_string.h"
#include "engine/wildcard.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

constexpr wchar_t kSeparator = native_path_style().separator;

bool item_matches(const build_settings& settings, std::wstring item, std::wstring_view folder) {
  bool branch = false;
  if (item.size() >= 2 && item[item.size() - 1] == L'*' && item[item.size() - 2] == kSeparator) {
    item.resize(item.size() - 2);
    branch = true;
  }
  if (item.find(L"//") == std::wstring::npos && item.find(L"\\\\") == std::wstring::npos)
    item = give_drive_of_program_folder(item, settings.program_folder);
  const std::wstring upper_item = upper_ascii(item);
  const std::wstring upper_folder = upper_ascii(folder);
  if (upper_item.find_first_of(L"*?") != std::wstring::npos) {
    if (wildcard_match(upper_item, upper_folder)) return true;
  } else if (upper_item == upper_folder) {
    return true;
  }
  return branch && starts_with(folder, item);
}

}  // namespace

bool folder_is_skipped(const build_settings& settings, std::wstring_view folder) {
  const std::wstring& list = settings.skip_folders;
  size_t begin = 0;
  while (begin < list.size()) {
    size_t end = list.find(L';', begin);
    if (end == std::wstring::npos) end = list.size();
    if (end > begin && item_matches(settings, list.substr(begin, end - begin), folder)) return true;
    begin = end + 1;
  }
  return false;
}

}  // namespace tabulon
