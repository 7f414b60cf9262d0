#include "ui/shell_launcher.h"

#include "platform/shell_open.h"

namespace tabulon {

bool system_shell_launcher::open(std::wstring_view document) {
  return shell_open(document);
}

bool system_shell_launcher::open_with(std::wstring_view program, std::wstring_view parameter) {
  return shell_open_with(program, parameter);
}

}  // namespace tabulon
