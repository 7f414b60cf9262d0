#include <windows.h>

#include <algorithm>

#include "platform/dir_enum.h"

namespace tabulon {

namespace {

int64_t file_time_value(const FILETIME& time) {
  return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) |
                              time.dwLowDateTime);
}

std::wstring child_path(const std::wstring& folder, std::wstring_view name) {
  std::wstring path = folder;
  if (path.empty() || (path.back() != L'\\' && path.back() != L'/')) path += L'\\';
  path += name;
  return path;
}

// Opens the folder itself (through any link) to learn its volume and index.
bool folder_identity_of(const std::wstring& path, folder_identity& identity) {
  HANDLE handle = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info;
  const bool ok = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  if (!ok || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  identity.device = info.dwVolumeSerialNumber;
  identity.inode = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

}  // namespace

open_folder::~open_folder() {
  close();
}

open_folder::open_folder(open_folder&& other) noexcept
    : path_(std::move(other.path_)), open_(other.open_), identity_(other.identity_) {
  other.close();
}

open_folder& open_folder::operator=(open_folder&& other) noexcept {
  if (this != &other) {
    path_ = std::move(other.path_);
    open_ = other.open_;
    identity_ = other.identity_;
    other.close();
  }
  return *this;
}

void open_folder::close() {
  path_.clear();
  open_ = false;
  identity_ = {};
}

bool open_folder::is_open() const {
  return open_;
}

bool open_folder::open(const std::wstring& path) {
  close();
  folder_identity identity;
  if (!folder_identity_of(path, identity)) return false;
  path_ = path;
  open_ = true;
  identity_ = identity;
  return true;
}

bool open_folder::open_child(const open_folder& parent, std::wstring_view name,
                             const std::wstring& full_path) {
  if (!parent.is_open()) {
    close();
    return false;
  }
  return open(full_path.empty() ? child_path(parent.path_, name) : full_path);
}

dir_listing open_folder::read_entries() const {
  dir_listing items;
  if (!open_) return items;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileExW(child_path(path_, L"*").c_str(), FindExInfoBasic, &data,
                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return items;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    DWORD attributes = data.dwFileAttributes;
    uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    FILETIME written = data.ftLastWriteTime;
    FILETIME accessed = data.ftLastAccessTime;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      // A link reports itself; read what it points to, and pass over a link
      // that points nowhere.
      WIN32_FILE_ATTRIBUTE_DATA target;
      if (!GetFileAttributesExW(child_path(path_, name).c_str(), GetFileExInfoStandard, &target))
        continue;
      attributes = target.dwFileAttributes;
      size = (static_cast<uint64_t>(target.nFileSizeHigh) << 32) | target.nFileSizeLow;
      written = target.ftLastWriteTime;
      accessed = target.ftLastAccessTime;
    }
    dir_item item;
    item.is_folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!item.is_folder) {
      item.size = static_cast<int64_t>(size);
      item.modified_time = file_time_value(written);
      item.accessed_time = file_time_value(accessed);
    }
    items.add(name, item);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  items.sort_by_name();
  return items;
}

}  // namespace tabulon
