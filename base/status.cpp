#include "base/status.h"

#include <cstring>

#include "base/wide_string.h"

namespace tabulon {

status status::error(std::wstring_view action, std::wstring_view path, std::wstring_view purpose,
                     std::wstring_view reason) {
  status s;
  // An error must never read as ok, whatever the caller passed.
  s.action_ = action.empty() ? std::wstring(L"complete") : std::wstring(action);
  s.path_ = path;
  s.purpose_ = purpose;
  s.reason_ = reason;
  return s;
}

status status::from_errno(std::wstring_view action, std::wstring_view path,
                          std::wstring_view purpose, int error_number) {
  std::wstring reason =
      error_number ? utf8_to_wide(std::strerror(error_number)) : std::wstring(L"unknown error");
  return error(action, path, purpose, reason);
}

std::wstring status::message() const {
  if (ok()) return L"ok";
  std::wstring line = L"cannot " + action_;
  if (!path_.empty()) line += L" \"" + path_ + L"\"";
  if (!purpose_.empty()) line += L" " + purpose_;
  if (!reason_.empty()) line += L": " + reason_;
  return line;
}

}  // namespace tabulon
