#include "app/command_tail.h"

#include "base/wide_string.h"

namespace tabulon {

std::wstring command_tail_from_arguments(int argc, const char* const* argv) {
  std::wstring tail;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) tail.push_back(L' ');
    tail += from_native(argv[i]);
  }
  return tail;
}

std::wstring config_path_from_tail(std::wstring_view tail) {
  std::wstring path(tail);
  if (!path.empty() && path.front() == L'"' && path.back() == L'"') {
    path.pop_back();
    if (!path.empty()) path.erase(0, 1);
  }
  return path;
}

}  // namespace tabulon
