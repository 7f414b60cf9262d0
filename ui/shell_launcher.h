#pragma once
// shell_launcher: how the window's commands start other programs: a document
// with the desktop's default handler, or a named program with one parameter.
// The commands in ui/ go through this interface so that tests can record what
// would have been started; system_shell_launcher is the real one over
// platform/shell_open.h.

#include <string_view>

namespace tabulon {

class shell_launcher {
 public:
  virtual ~shell_launcher() = default;
  // True when the handler or program could be started.
  virtual bool open(std::wstring_view document) = 0;
  virtual bool open_with(std::wstring_view program, std::wstring_view parameter) = 0;
};

class system_shell_launcher : public shell_launcher {
 public:
  bool open(std::wstring_view document) override;
  bool open_with(std::wstring_view program, std::wstring_view parameter) override;
};

}  // namespace tabulon
