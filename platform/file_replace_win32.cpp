#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/file_open.h"
#include "platform/file_replace.h"

namespace tabulon {

namespace {

// The system's text for the error code `code`.
std::wstring reason_of(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = n && text ? std::wstring(text, n) : L"error " + std::to_wstring(code);
  if (text) LocalFree(text);
  while (!reason.empty() &&
         (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L'.'))
    reason.pop_back();
  return reason;
}

// Whether the file at `path` holds exactly `chunks`.
bool holds_same(const std::wstring& path, std::span<const std::string> chunks) {
  std::FILE* file = open_file(path, "rb");
  if (!file) return false;
  std::vector<char> block(1 << 16);
  bool same = true;
  for (const std::string& chunk : chunks) {
    for (size_t at = 0; same && at < chunk.size();) {
      const size_t want = std::min(block.size(), chunk.size() - at);
      if (std::fread(block.data(), 1, want, file) != want ||
          std::memcmp(block.data(), chunk.data() + at, want) != 0)
        same = false;
      at += want;
    }
    if (!same) break;
  }
  if (same && std::fgetc(file) != EOF) same = false;  // the file is longer
  std::fclose(file);
  return same;
}

}  // namespace

replace_result replace_file(const std::wstring& path, std::span<const std::string> chunks,
                            const open_folder* /*folder: every call names the whole path*/) {
  replace_result out;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const bool existing = attributes != INVALID_FILE_ATTRIBUTES;
  if (existing && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    out.result = status::from_errno(L"open", path, L"for writing", EISDIR);
    return out;
  }
  size_t total = 0;
  for (const std::string& chunk : chunks) total += chunk.size();
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (existing && GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
      ((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) == total &&
      holds_same(path, chunks)) {
    out.unchanged = true;
    return out;
  }

  // A temporary file beside it, hidden from listings by its leading dot.
  const size_t slash = path.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
  const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  std::wstring temp;
  HANDLE handle = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
    temp = folder + L"." + name + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetTickCount() + attempt);
    handle = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (handle == INVALID_HANDLE_VALUE) {
    out.result = status::error(L"open", path, L"for writing", reason_of(GetLastError()));
    return out;
  }
  for (const std::string& chunk : chunks) {
    for (size_t at = 0; at < chunk.size();) {
      const DWORD want = static_cast<DWORD>(std::min<size_t>(chunk.size() - at, 1u << 30));
      DWORD written = 0;
      if (!WriteFile(handle, chunk.data() + at, want, &written, nullptr) || written == 0) {
        const DWORD code = GetLastError();
        CloseHandle(handle);
        DeleteFileW(temp.c_str());
        out.result = status::error(L"write", path, L"", reason_of(code));
        return out;
      }
      at += written;
    }
  }
  CloseHandle(handle);
  // The old file's attributes (read-only among them) go to the new one
  // once it is in place; a read-only file cannot be replaced meanwhile.
  if (existing) SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (!MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    const DWORD code = GetLastError();
    DeleteFileW(temp.c_str());
    if (existing) SetFileAttributesW(path.c_str(), attributes);
    out.result = status::error(L"replace", path, L"", reason_of(code));
    return out;
  }
  if (existing) SetFileAttributesW(path.c_str(), attributes);
  return out;
}

}  // namespace tabulon
