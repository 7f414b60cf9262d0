#pragma once
// status: the result of an operation that can fail. Either ok, or an error
// that carries what was attempted, on which path, and the system's reason,
// so the caller can report it as one line without looking at the disk again:
//
//   cannot open "x/index.html" for writing: Permission denied
//
// Every call that can fail returns one (or a record holding one). A status
// is a plain value: cheap to copy when ok, never thrown.

#include <string>
#include <string_view>

namespace tabulon {

class status {
 public:
  // Ok.
  status() = default;

  // An error: `action` is the verb ("open", "write", "rename"), `path` the
  // file or folder it concerned, `purpose` an optional tail after the path
  // ("for writing"), `reason` the system's explanation ("Permission denied").
  static status error(std::wstring_view action, std::wstring_view path, std::wstring_view purpose,
                      std::wstring_view reason);
  // The same with the reason taken from a C library error number (errno).
  static status from_errno(std::wstring_view action, std::wstring_view path,
                           std::wstring_view purpose, int error_number);

  bool ok() const { return action_.empty(); }
  explicit operator bool() const { return ok(); }

  const std::wstring& action() const { return action_; }
  const std::wstring& path() const { return path_; }
  const std::wstring& purpose() const { return purpose_; }
  const std::wstring& reason() const { return reason_; }

  // One line: `cannot ACTION "PATH" PURPOSE: REASON` (parts that are empty
  // are left out), or "ok".
  std::wstring message() const;

 private:
  std::wstring action_;
  std::wstring path_;
  std::wstring purpose_;
  std::wstring reason_;
};

}  // namespace tabulon
