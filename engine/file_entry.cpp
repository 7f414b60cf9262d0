#include "engine/file_entry.h"

#include "base/wide_string.h"

namespace tabulon {

namespace {
const std::wstring& empty_text() {
  static const std::wstring empty;
  return empty;
}
}  // namespace

entry_folder_ref make_entry_folder(std::wstring path) {
  auto folder = std::make_shared<entry_folder>();
  folder->key = upper_ascii(path);
  folder->path = std::move(path);
  return folder;
}

const std::wstring& file_entry::folder_path() const {
  return folder ? folder->path : empty_text();
}
const std::wstring& file_entry::folder_key() const {
  return folder ? folder->key : empty_text();
}
const std::wstring& file_entry::extension_text() const {
  return extension ? *extension : empty_text();
}

std::unique_ptr<file_entry> make_file_entry(std::wstring name, entry_folder_ref folder) {
  auto entry = std::make_unique<file_entry>();
  entry->name_key = upper_ascii(name);
  entry->name = std::move(name);
  entry->folder = std::move(folder);
  return entry;
}

std::wstring extension_of(std::wstring_view name) {
  const size_t dot = name.rfind(L'.');
  if (dot == std::wstring_view::npos) return {};
  return std::wstring(name.substr(dot + 1));
}

}  // namespace tabulon
