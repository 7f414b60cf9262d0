#include "engine/file_entry.h"

#include <algorithm>

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

void entry_delete::operator()(file_entry* entry) const noexcept {
  if (!entry->in_store) delete entry;
}

entry_ptr make_file_entry(std::wstring_view name, entry_folder_ref folder) {
  entry_ptr entry(new file_entry());
  const size_t n = name.size();
  entry->owned_text = std::make_unique<wchar_t[]>(2 * n + 1);
  wchar_t* text = entry->owned_text.get();
  std::copy(name.begin(), name.end(), text);
  const std::wstring key = upper_ascii(name);
  std::copy(key.begin(), key.end(), text + n);
  entry->name = std::wstring_view(text, n);
  entry->name_key = std::wstring_view(text + n, n);
  entry->folder = std::move(folder);
  return entry;
}

entry_ptr entry_list::make_entry(std::wstring_view name, std::wstring_view key,
                                 entry_folder_ref folder) {
  entry_ptr entry(store.make_entry());
  entry->name = store.keep(name);
  entry->name_key = key == name ? entry->name : store.keep(key);
  entry->folder = std::move(folder);
  return entry;
}

std::wstring extension_of(std::wstring_view name) {
  const size_t dot = name.rfind(L'.');
  if (dot == std::wstring_view::npos) return {};
  return std::wstring(name.substr(dot + 1));
}

}  // namespace tabulon
